// The ending screen: the bear, seen from behind, rests on a brick floor beside a lit lamp
// post; the labels stand on the darker left, with room after them for the game's numbers.
#include <cmath>

#include "tools/screengen/screen_layout.hpp"
#include "tools/screengen/screens.hpp"
#include "tools/screengen/stone_textures.hpp"

namespace ursa::screengen {
namespace {

constexpr int kRender = 800;

Shot Render(rm::Vec3 camera, rm::Vec3 target) {
  Shot shot;
  shot.width = shot.height = kRender;
  shot.camera = camera;
  shot.target = target;
  shot.light = target + rm::Vec3{-300, 500, -400};
  return shot;
}

// A warm halo around the lantern.
void Glow(Canvas& canvas, float cx, float cy, float radius) {
  for (int y = static_cast<int>(cy - radius); y <= static_cast<int>(cy + radius); ++y) {
    for (int x = static_cast<int>(cx - radius); x <= static_cast<int>(cx + radius); ++x) {
      const float d =
          std::hypot(static_cast<float>(x) + 0.5F - cx, static_cast<float>(y) + 0.5F - cy) / radius;
      if (d < 1) {
        canvas.Blend(x, y, {1.0F, 0.85F, 0.45F}, 0.32F * (1 - d) * (1 - d));
      }
    }
  }
}

}  // namespace

Canvas PaintEndingScreen(ShotRenderer& renderer, const TextPainter& text) {
  using namespace layout;
  Canvas canvas(kWindowWidth, kWindowHeight);
  PaintRubble(canvas, {0, 0, kWindowWidth, kFloorTop}, 64, 0xE2D);
  canvas.DarkenColumns(0.45F, 1.0F);
  PaintBrickFloor(canvas, kFloorTop, 0xF100);

  Shot lamp = Render({0, 140, -700}, {0, 122, 0});
  lamp.items.push_back(MeshAt("light.x", {0, 0, 0}));
  canvas.Shadow(kLampPost.x + kLampPost.w / 2, kLampPost.Bottom() - 2, 26, 6, 0.6F);
  const Rect lampAt = canvas.DrawImage(renderer.Render(lamp), kLampPost, Fit::kInsideBottom);
  // The lantern sits 205..229 up the 247-unit post.
  Glow(canvas, lampAt.x + lampAt.w / 2, lampAt.y + lampAt.h * (1 - 217.0F / 247.0F), 46);

  Shot bear = Render({0, 75, -300}, {0, 40, 0});
  bear.items.push_back(BearAt({0, 0, 0}, {0, 0, 1}, 0));
  canvas.Shadow(kEndingBear.x + kEndingBear.w / 2, kEndingBear.Bottom() - 3, 44, 9, 0.7F);
  canvas.DrawImage(renderer.Render(bear), kEndingBear, Fit::kInsideBottom);

  const Rgb white{1, 1, 1};
  text.Fit(canvas, "All Stage Clear!!", Face::kSerifBold, kAllClear, white, 3);
  text.Fit(canvas, "ClearTime", Face::kSerifBold, kClearTimeLabel, white, 2);
  text.Fit(canvas, "Miss", Face::kSerifBold, kMissLabel, white, 2);
  text.Fit(canvas, "TotalScore", Face::kSerifBold, kTotalScoreLabel, white, 2);
  return canvas;
}

}  // namespace ursa::screengen
