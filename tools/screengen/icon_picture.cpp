// The icon: the bear's head rendered large, averaged down to the icon's size on a
// transparent background, with a dark rim so it reads on any title bar or desktop.
#include <algorithm>

#include "tools/screengen/screens.hpp"

namespace ursa::screengen {

Canvas PaintIcon(ShotRenderer& renderer, int size) {
  constexpr int kScale = 8;
  // The render is never smaller than the averaged canvas, so large icons stay sharp.
  constexpr int kSmallestRender = 512;
  const int rimWidth = std::max(1, size / 32);
  Shot head;
  head.width = head.height = std::max(kSmallestRender, size * kScale);
  head.camera = {0, 47, -95};
  head.target = {0, 44, 0};
  head.light = {-200, 400, -400};
  Placement bear = BearAt({0, 0, 0}, {0, 0, -1}, 0);
  bear.headOnly = true;
  head.items.push_back(bear);
  Canvas large(size * kScale, size * kScale, {}, 0);
  const auto margin = static_cast<float>(kScale * rimWidth);
  const auto side = static_cast<float>(size * kScale);
  large.DrawImage(renderer.Render(head), {margin, margin, side - 2 * margin, side - 2 * margin},
                  Fit::kInsideCentre);
  Canvas icon = large.Reduced(kScale);
  // A dark rim keeps the head readable on light and dark title bars alike.
  Canvas rimmed = icon;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float around = 0;
      for (int dy = -rimWidth; dy <= rimWidth; ++dy) {
        for (int dx = -rimWidth; dx <= rimWidth; ++dx) {
          const int nx = x + dx;
          const int ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < size && ny < size) {
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
