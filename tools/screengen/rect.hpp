// A rectangle in pixels (floating point, so layouts can be halved exactly).
// Kept apart from the canvas so the screen layout has no drawing dependencies.
#pragma once

namespace ursa::screengen {

struct Rect {
  float x = 0, y = 0, w = 0, h = 0;
  constexpr float Right() const { return x + w; }
  constexpr float Bottom() const { return y + h; }
};

}  // namespace ursa::screengen
