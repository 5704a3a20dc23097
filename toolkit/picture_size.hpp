// The picture the player sees: 640 x 480, drawn, composed, scaled and captured at this size by
// every layer, whatever the window's or the screen's size.
#pragma once

#include "toolkit/rect.hpp"

namespace ursa::tk {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 480;
inline constexpr Rect kWholePicture{0, 0, kPictureWidth, kPictureHeight};

}  // namespace ursa::tk
