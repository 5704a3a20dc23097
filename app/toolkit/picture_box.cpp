// Picture1: the visible flag and the device image kept for composing.
// A device image shown while the box is hidden is kept but not presented.
#include "app/toolkit/picture_box.hpp"

#include "app/toolkit/presenter.hpp"

namespace ursa::tk {

PictureBox::PictureBox(Presenter& presenter, std::function<void()> present,
                       std::function<void()> changed)
    : presenter_(presenter),
      present_(std::move(present)),
      changed_(std::move(changed)) {}

void PictureBox::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible) presenter_.ClearPicture();
  visible_ = visible;
  changed_();
}

void PictureBox::ShowDeviceImage(unsigned texture, int width, int height) {
  presenter_.CopyDeviceImage(texture, width, height);
  if (visible_) present_();
}

}  // namespace ursa::tk
