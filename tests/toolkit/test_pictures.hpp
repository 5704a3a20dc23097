// BMP pictures made in memory for the toolkit tests, with a colour chosen per pixel,
// so a copy can be checked pixel by pixel.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace ursa::tk {

// A 24-bit BMP file's bytes of width x height; colourAt gives packed colours (blue high).
std::vector<uint8_t> MakeBmp(int width, int height,
                             const std::function<uint32_t(int x, int y)>& colorAt);

}  // namespace ursa::tk
