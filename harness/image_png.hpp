// Writing an Image to a PNG file, for tools and for looking at what a test rendered.
// Tools save renders with it; the offscreen library carries it because only it links libpng.
#pragma once

#include <string>

#include "view/rm/image.hpp"

namespace ursa::harness {

// Throws rm::Error("SavePng", path, why) when the file cannot be written.
void SavePng(const rm::Image& image, const std::string& path);

}  // namespace ursa::harness
