// Image: RGBA8 pixels in rows from the top, as read back from a device for tests and tools.
// OpenGL hands rows over bottom first; FlipRows puts them in this order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ursa::rm {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4 bytes, row 0 at the top

  struct Pixel {
    uint8_t r, g, b, a;
  };
  Pixel At(int x, int y) const {
    const uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }
};

// Turns the rows over: OpenGL reads images from the bottom row up.
void FlipRows(Image& image);

}  // namespace ursa::rm
