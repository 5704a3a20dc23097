// Row order of read-back images.
// One swap per pair of rows, in place.
#include "view/rm/image.hpp"

#include <algorithm>

namespace ursa::rm {

void FlipRows(Image& image) {
  const auto row = static_cast<std::ptrdiff_t>(image.width) * 4;
  auto begin = image.rgba.begin();
  for (int y = 0; y < image.height / 2; ++y) {
    std::swap_ranges(begin + y * row, begin + (y + 1) * row, begin + (image.height - 1 - y) * row);
  }
}

}  // namespace ursa::rm
