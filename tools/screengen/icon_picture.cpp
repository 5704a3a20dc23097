// The window icon: the bear's head rendered large, averaged down to 32 x 32 on a
// transparent background, with a dark rim so it reads on any title bar.
#include <algorithm>

#include "tools/screengen/screens.hpp"

namespace ursa::screengen {

Canvas PaintIcon(ShotRenderer& renderer) {
  constexpr int kSize = 32;
  constexpr int kScale = 8;
  Shot head;
  head.width = head.height = 512;
  head.camera = {0, 47, -95};
  head.target = {0, 44, 0};
  head.light = {-200, 400, -400};
  Placement bear = BearAt({0, 0, 0}, {0, 0, -1}, 0);
  bear.headOnly = true;
  head.items.push_back(bear);
  Canvas large(kSize * kScale, kSize * kScale, {}, 0);
  const float margin = kScale;
  large.DrawImage(renderer.Render(head),
                  {margin, margin, kSize * kScale - 2 * margin, kSize * kScale - 2 * margin},
                  Fit::kInsideCentre);
  Canvas icon = large.Reduced(kScale);
  // A dark rim keeps the head readable on light and dark title bars alike.
  Canvas rimmed = icon;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      float around = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx;
          const int ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize) {
            around = std::max(around, icon.AlphaAt(nx, ny));
          }
        }
      }
      // The rim lies under the head's own (partly covering) edge pixels.
      rimmed.Set(x, y, {0.22F, 0.12F, 0.06F}, around * 0.9F);
      rimmed.Blend(x, y, icon.At(x, y), icon.AlphaAt(x, y));
    }
  }
  return rimmed;
}

}  // namespace ursa::screengen
