// What of the window a present must draw: the pixels that changed, plus those the back buffer
// missed when the driver hands back an older buffer (its age), or the whole window when that
// is unknown.
#pragma once

#include <array>

#include "toolkit/rect.hpp"

namespace ursa::tk {

class WindowDamage {
 public:
  // The area to draw into a back buffer of `bufferAge` (0: unknown content, 1: the last
  // frame's, 2: the one before...) when `changed` is new since the last frame, in a window
  // whose whole area is `whole`. Remembers `changed` for the next frames.
  Rect ToDraw(int bufferAge, Rect changed, Rect whole);
  // After a resize or anything else that leaves every buffer's content unknown.
  void Forget() { remembered_ = 0; }

 private:
  static constexpr int kFrames = 4;
  std::array<Rect, kFrames> last_{};  // last_[0] is the last frame's change
  int remembered_ = 0;
};

}  // namespace ursa::tk
