// gl::Rect: a rectangle of pixels or texels (left, top, width, height; rows may count up or
// down, as long as both operands count alike) and the operations every layer shares on it.
#pragma once

#include <algorithm>

namespace ursa::gl {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

// No pixel at all: no width or no height.
constexpr bool IsEmpty(const Rect& r) { return r.width <= 0 || r.height <= 0; }

// The smallest rectangle holding both; an empty rectangle adds nothing.
constexpr Rect Union(const Rect& a, const Rect& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  const int right = std::max(a.x + a.width, b.x + b.width);
  const int bottom = std::max(a.y + a.height, b.y + b.height);
  return {left, top, right - left, bottom - top};
}

// The part of `r` inside `bounds`; {} when they do not overlap (touching edges do not).
constexpr Rect Intersection(const Rect& r, const Rect& bounds) {
  const int left = std::max(r.x, bounds.x);
  const int top = std::max(r.y, bounds.y);
  const int right = std::min(r.x + r.width, bounds.x + bounds.width);
  const int bottom = std::min(r.y + r.height, bounds.y + bounds.height);
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

// `r` moved by (dx, dy).
constexpr Rect Moved(const Rect& r, int dx, int dy) {
  return {r.x + dx, r.y + dy, r.width, r.height};
}

// Whether `inner` lies wholly inside `outer` (an empty one lies anywhere).
constexpr bool Contains(const Rect& outer, const Rect& inner) {
  return IsEmpty(inner) || (inner.x >= outer.x && inner.y >= outer.y &&
                            inner.x + inner.width <= outer.x + outer.width &&
                            inner.y + inner.height <= outer.y + outer.height);
}

}  // namespace ursa::gl
