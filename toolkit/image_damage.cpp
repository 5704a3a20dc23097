// Damage of the composed picture: rectangles gathered between presents, the device's own
// change record read through gl::TakeTextureChange.
#include "toolkit/image_damage.hpp"

#include <algorithm>
#include <utility>

#include "gl/texture_changes.hpp"

namespace ursa::tk {

Rect ImageDamage::TakeBackingChange(Rect drawn) {
  if (!std::exchange(uploaded_, true)) drawn = Composer::kWholeImage;
  Add(drawn);
  return drawn;
}

void ImageDamage::AddDevice(const DeviceImage& device) {
  const gl::TextureChange change = gl::TakeTextureChange(device.texture);
  if (change.writer == 0 || device.texture != shownTexture_ || change.writer != shownWriter_) {
    shownTexture_ = device.texture;
    shownWriter_ = change.writer;
    Add(box_);
    return;
  }
  // What the box shows of the device image: its top-left part, as large as both.
  const Rect shown{0, 0, std::min(device.width, box_.width), std::min(device.height, box_.height)};
  Add(Moved(Intersection(change.changed, shown), box_.x, box_.y));
}

void ImageDamage::BoxChanged() {
  Add(box_);
  shownTexture_ = 0;
}

Rect ImageDamage::TakeToCompose() {
  unpresented_ = Union(unpresented_, toCompose_);
  return std::exchange(toCompose_, {});
}

Rect ImageDamage::TakeUnpresented() { return std::exchange(unpresented_, {}); }

}  // namespace ursa::tk
