// The title screen: the bear leaping in front of a rubble wall over a brick block and a
// grey stone block, with the game's name and the prompt to start.
#include "tools/screengen/screen_layout.hpp"
#include "tools/screengen/screens.hpp"
#include "tools/screengen/stone_textures.hpp"

namespace ursa::screengen {
namespace {

constexpr int kRender = 800;  // renders are made large and averaged down

Shot Render(rm::Vec3 camera, rm::Vec3 target) {
  Shot shot;
  shot.width = shot.height = kRender;
  shot.camera = camera;
  shot.target = target;
  // From above and in front, a little to the right, so the blocks show a lit top, front and side.
  shot.light = target + rm::Vec3{150, 550, -450};
  return shot;
}

}  // namespace

Canvas PaintTitleScreen(ShotRenderer& renderer, const TextPainter& text) {
  using namespace layout;
  Canvas canvas(kWindowWidth, kWindowHeight);
  PaintRubble(canvas, {0, 0, kWindowWidth, kWindowHeight}, 74, 0x7117E);
  canvas.Vignette(0.8F, 0.5F);

  Shot brick = Render({330, 330, -430}, {0, 75, 0});
  brick.items.push_back(MeshAt("block.x", {0, 0, 0}));
  canvas.DrawImage(renderer.Render(brick), kBrickBlock, Fit::kCoverTopRight);

  Shot stone = Render({60, 420, -560}, {0, 75, 0});
  for (float x : {-75.0F, 75.0F}) {
    Placement block = MeshAt("block.x", {x, 0, 0});
    // Cool grey, since the block's warm glow stays under a new colour.
    block.color = rm::Vec3{0.50F, 0.58F, 0.62F};
    stone.items.push_back(block);
  }
  canvas.DrawImage(renderer.Render(stone), kStoneBlock, Fit::kWidthTop);

  Shot bear = Render({0, 60, -320}, {0, 42, 0});
  bear.items.push_back(BearAt({0, 0, 0}, {0.2F, 0, -1}, 5));
  canvas.DrawImage(renderer.Render(bear), kTitleBear, Fit::kInsideCentre);

  const Rgb white{1, 1, 1};
  text.Fit(canvas, kTitleText, Face::kSerifBold, kTitle, white, 4);
  text.Fit(canvas, kPromptText, Face::kSerifBold, kPrompt, white, 2);
  text.Fit(canvas, kCreditText, Face::kSerifBold, kCredit, white, 1);
  return canvas;
}

}  // namespace ursa::screengen
