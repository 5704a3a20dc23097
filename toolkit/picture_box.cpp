// Picture1: the visible flag, and the device image handed on to the window's presenting.
// Its content lives in the window's composed image, so nothing is copied here.
#include "toolkit/picture_box.hpp"

namespace ursa::tk {

PictureBox::PictureBox(std::function<void(const DeviceImage&)> present,
                       std::function<void(bool)> changed)
    : present_(std::move(present)), changed_(std::move(changed)) {}

void PictureBox::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed_(visible);
}

void PictureBox::ShowDeviceImage(const DeviceImage& image) {
  if (visible_) present_(image);
}

}  // namespace ursa::tk
