// What of the window a present must draw: the pixels that changed, plus those the back buffer
// missed when the driver hands back an older buffer (its age), or the whole window when that
// is unknown, when the window was shown, exposed or switched, or when its size changed.
#pragma once

#include <array>

#include "toolkit/rect.hpp"

namespace ursa::tk {

class WindowDamage {
 public:
  // The whole window must be drawn at the next present.
  void Invalidate() { invalid_ = true; }
  bool Invalid() const { return invalid_; }
  // Whether the whole window must be drawn, forgotten once asked.
  bool TakeInvalid();
  // The drawable about to be drawn is width x height: true when that is a new size, which
  // leaves every buffer's content unknown (the whole window is drawn).
  bool Resize(int width, int height);
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
  bool invalid_ = true;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ursa::tk
