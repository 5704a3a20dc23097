// Writing an RGB picture to a PNG file with libpng: how a screenshot reaches the disk,
// for tests to keep and for anyone who wants to see what a player sees.
#pragma once

#include <cstdio>
#include <string>

#include "toolkit/rgb_image.hpp"

namespace ursa::tk {

// Throws Error naming the file when it cannot be written.
void WritePng(const RgbImage& image, const std::string& path);

// Writes to `file`, open for writing, which the caller made and closes; `name` names it in the
// Error thrown when it cannot be written.
void WritePng(const RgbImage& image, std::FILE* file, const std::string& name);

}  // namespace ursa::tk
