// What of the 640 x 480 picture must be composed again, and what was composed but is not yet on
// the window: the backing image drawn on, the device image's noted changes, the picture box
// shown or hidden, the 16-bit switch.
#pragma once

#include <cstdint>

#include "toolkit/composer.hpp"
#include "toolkit/rect.hpp"

namespace ursa::tk {

class ImageDamage {
 public:
  // `box`: the picture box's rectangle in the picture.
  explicit ImageDamage(Rect box) : box_(box) {}

  // `area` of the picture must be composed again.
  void Add(Rect area) { toCompose_ = Union(toCompose_, area); }
  // The backing image was drawn on in `drawn`: the part to copy again (all of it the first
  // time), which is then to be composed again.
  Rect TakeBackingChange(Rect drawn);
  // The box shows `device`: the part it drew since the box last showed it, or all of the box
  // for an image the box does not show yet (or whose changes are not tracked).
  void AddDevice(const DeviceImage& device);
  // The box was shown or hidden: composed again, and the next device image new in all of it.
  void BoxChanged();

  bool ToCompose() const { return !IsEmpty(toCompose_); }
  // What to compose now; from then on it counts as not yet on the window.
  Rect TakeToCompose();
  // What was composed since the window was last drawn.
  Rect TakeUnpresented();

 private:
  Rect box_;
  Rect toCompose_ = Composer::kWholeImage;
  Rect unpresented_ = Composer::kWholeImage;
  bool uploaded_ = false;
  // The device image the box shows: its texture and the run of drawing it belongs to.
  unsigned shownTexture_ = 0;
  uint64_t shownWriter_ = 0;
};

}  // namespace ursa::tk
