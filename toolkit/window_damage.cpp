// Damage over buffer ages: a buffer last drawn n frames ago lacks the changes of the n - 1
// frames since, so those are drawn again with this frame's.
#include "toolkit/window_damage.hpp"

#include <algorithm>
#include <utility>

namespace ursa::tk {

bool WindowDamage::TakeInvalid() { return std::exchange(invalid_, false); }

bool WindowDamage::Resize(int width, int height) {
  if (width == width_ && height == height_) return false;
  width_ = width;
  height_ = height;
  Forget();
  invalid_ = true;
  return true;
}

Rect WindowDamage::ToDraw(int bufferAge, Rect changed, Rect whole) {
  Rect draw = changed;
  if (bufferAge <= 0 || bufferAge - 1 > remembered_) {
    draw = whole;
  } else {
    for (int i = 0; i < bufferAge - 1; ++i) draw = Union(draw, last_[i]);
  }
  std::move_backward(last_.begin(), last_.end() - 1, last_.end());
  last_[0] = changed;
  remembered_ = std::min(remembered_ + 1, kFrames);
  return draw;
}

}  // namespace ursa::tk
