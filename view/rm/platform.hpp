// What the retained-mode renderer needs from the window system: a display it can switch and
// make its OpenGL context current on, and a picture box it shows the device's image in.
// The game's shell adapts its window to both (app/window_display.hpp); tests and tools use
// the hidden window of harness/offscreen_display.hpp.
#pragma once

namespace ursa::rm {

class Display {
 public:
  virtual ~Display() = default;
  // The display-mode switch of start-up (640 x 480, 16-bit colour).
  virtual void SetDisplayMode(int width, int height, int bitsPerPixel) = 0;
  // Makes the window's OpenGL 3.3 core context current; false when there is none.
  virtual bool MakeContextCurrent() = 0;
};

// The "window handle" a clipper is bound to.
class PictureWindow {
 public:
  virtual ~PictureWindow() = default;
  // Shows the device's image: an RGBA8 texture of width x height in the current context,
  // row 0 at the bottom (OpenGL's order). Its top-left corner lies at the picture box's
  // top-left corner; whatever falls outside the box is cut off.
  virtual void ShowDeviceImage(unsigned texture, int width, int height) = 0;
};

}  // namespace ursa::rm
