// Where the 640 x 480 picture goes on the window: as large as fits with its shape kept, or
// only at a whole multiple of its size (every picture pixel the same square of screen pixels).
#pragma once

#include <algorithm>
#include <cmath>

#include "toolkit/picture_size.hpp"
#include "toolkit/rect.hpp"

namespace ursa::tk {

enum class Scaling {
  kFit,    // as large as the drawable allows, shape kept
  kWhole,  // the largest whole multiple that fits; a drawable smaller than 1x gets kFit
};

// The picture's rectangle in a drawable of the given size, centred (so it reads the same
// with y up, as OpenGL counts, or down); black bars fill the rest. A fit rounds to the
// nearest pixel.
inline Rect PictureRect(int drawableWidth, int drawableHeight, Scaling scaling) {
  constexpr int kWidth = kPictureWidth;
  constexpr int kHeight = kPictureHeight;
  double scale = std::min(static_cast<double>(drawableWidth) / kWidth,
                          static_cast<double>(drawableHeight) / kHeight);
  if (scaling == Scaling::kWhole && scale >= 1) scale = std::floor(scale);
  const int width = std::max(1, static_cast<int>(std::lround(kWidth * scale)));
  const int height = std::max(1, static_cast<int>(std::lround(kHeight * scale)));
  return {(drawableWidth - width) / 2, (drawableHeight - height) / 2, width, height};
}

// As large as fits with its aspect kept, centred: PictureRect's fit.
inline Rect LetterboxRect(int drawableWidth, int drawableHeight) {
  return PictureRect(drawableWidth, drawableHeight, Scaling::kFit);
}

}  // namespace ursa::tk
