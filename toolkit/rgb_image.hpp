// A picture as plain RGB bytes, rows top to bottom: what a screenshot returns,
// with the pixel read in the game's packed colors for tests.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/color.hpp"

namespace ursa::tk {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes

  // The packed colour (blue in the high byte) at (x, y); the caller keeps x, y inside.
  uint32_t At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return PackColor(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};

}  // namespace ursa::tk
