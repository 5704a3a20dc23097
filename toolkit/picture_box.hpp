// Picture1, the picture box: a child rectangle of the window (0, 50, 640, 430), hidden at
// start, never taking input. While visible, the 3D device's image is composed into it.
#pragma once

#include <functional>

#include "toolkit/composer.hpp"
#include "toolkit/picture_size.hpp"
#include "toolkit/rect.hpp"

namespace ursa::tk {

class PictureBox {
 public:
  static constexpr Rect kBox{0, 50, kPictureWidth, kPictureHeight - 50};

  // `present` composes the window with a new device image and puts it on screen now;
  // `changed` marks the window for the next pump, the box shown (true: it starts black) or
  // hidden.
  PictureBox(std::function<void(const DeviceImage&)> present, std::function<void(bool)> changed);

  // Showing a hidden box starts it black, its background, until the device draws into it.
  void SetVisible(bool visible);
  bool Visible() const { return visible_; }
  Rect Box() const { return kBox; }

  // Composes the device's image into the box and presents the window at once; the box
  // keeps showing it until the next one. Ignored while the box is hidden: showing the box
  // again starts it black.
  void ShowDeviceImage(const DeviceImage& image);

 private:
  std::function<void(const DeviceImage&)> present_;
  std::function<void(bool)> changed_;
  bool visible_ = false;
};

}  // namespace ursa::tk
