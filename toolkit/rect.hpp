// A rectangle of pixels: left, top, width, height, y downwards as on the window.
// Used for the picture box, the scaled copy and the window's letterbox.
#pragma once

namespace ursa::tk {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

}  // namespace ursa::tk
