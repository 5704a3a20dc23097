// DirectDraw and Clipper: the display-mode switch, and the binding of the device's image to
// the picture box it is shown in.
#pragma once

#include <string>

#include "view/rm/handles.hpp"
#include "view/rm/platform.hpp"

namespace ursa::rm {

class Clipper {
 public:
  // Binds the picture box whose rectangle shows the device's image; nullptr unbinds.
  void SetHWnd(PictureWindow* window) { window_ = window; }
  PictureWindow* Window() const { return window_; }

 private:
  PictureWindow* window_ = nullptr;
};

class DirectDraw {
 public:
  explicit DirectDraw(Display& display) : display_(&display) {}

  // Asks the display for width x height at bitsPerPixel; refreshRate 0 means the default.
  void SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate, int flags);
  ClipperPtr CreateClipper(int flags);

 private:
  Display* display_;
};

}  // namespace ursa::rm
