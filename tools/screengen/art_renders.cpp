// Framing of each art render: the game's camera and light offsets, brought closer for the
// small objects so their detail shows.
#include "tools/screengen/art_renders.hpp"

#include <cmath>

#include "game/game_state.hpp"
#include "game/stage_layouts.hpp"
#include "tools/screengen/contact_sheet.hpp"

namespace ursa::screengen {
namespace {

constexpr int kWidth = 400, kHeight = 300;

// The game's view of `at`, with the camera `zoom` times as far away.
Shot CloseView(rm::Vec3 at, float zoom) {
  Shot shot = GameView(at, kWidth, kHeight);
  shot.camera = at + rm::Vec3{0, 250, -1250} * zoom;
  return shot;
}

Shot Single(const char* file, rm::Vec3 centre, float zoom) {
  Shot shot = CloseView(centre, zoom);
  shot.items.push_back(MeshAt(file, {0, 0, 0}));
  return shot;
}

void AddBackdrop(Shot& shot, int cols, int rows, float x0, float y0) {
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < cols; ++col) {
      shot.items.push_back(MeshAt("back.x", {750.0F * col + x0, 750.0F * row + y0, 500}));
    }
  }
}

// A table position in the play plane, as the game hands it to the renderer.
rm::Vec3 Place(int16_t x, int16_t y) { return {static_cast<float>(x), static_cast<float>(y), 0}; }

// A stage as the game builds it from its own layout tables, seen by the game's camera with
// the bear at `player`.
Shot StageView(int stage, rm::Vec3 player, float time) {
  constexpr const char* kKindMesh[] = {nullptr,    "door.x", "light.x", "arrow.x",
                                       "block2.x", "toge.x", "block3.x"};
  GameState state;
  state.stage = static_cast<int16_t>(stage);
  LoadStageLayout(state);
  Shot shot = GameView(player, kWidth, kHeight);
  AddBackdrop(shot, 12, 4, -1000, -400);
  for (int i = 0; i < kBlockCount; ++i) {
    shot.items.push_back(MeshAt("block.x", Place(state.blockX[i], state.blockY[i])));
  }
  for (int i = 0; i < kObjectCount; ++i) {
    const int kind = state.objKind[i];
    if (kind < 1 || kind > 6) {
      continue;
    }
    Placement object = MeshAt(kKindMesh[kind], Place(state.objX[i], state.objY[i]));
    if (kind == 6 && stage == 10) {
      // Stage 10 colours each sinking platform at random; a fixed spread of hues stands in.
      const float hue = static_cast<float>(i * 7 % 40) / 40.0F;
      object.color = rm::Vec3{0.55F + 0.45F * std::cos(6.2832F * hue),
                              0.55F + 0.45F * std::cos(6.2832F * (hue - 0.33F)),
                              0.55F + 0.45F * std::cos(6.2832F * (hue - 0.67F))};
    }
    shot.items.push_back(object);
  }
  shot.items.push_back(BearAt(player, {1, 0, 0}, time));
  return shot;
}

Shot BearPose(float time, rm::Vec3 direction) {
  Shot shot = CloseView({0, 40, 0}, 0.13F);
  shot.items.push_back(BearAt({0, 0, 0}, direction, time));
  return shot;
}

Shot BackdropTiles() {
  Shot shot = CloseView({0, 0, 500}, 1.3F);
  AddBackdrop(shot, 3, 2, -750, -375);
  return shot;
}

}  // namespace

std::vector<NamedRender> RenderArt(ShotRenderer& r) {
  std::vector<NamedRender> out;
  auto add = [&](const char* name, const char* label, const Shot& shot) {
    out.push_back({name, label, r.Render(shot)});
  };
  add("stage1", "stage 1, the start", StageView(1, {0, 0, 0}, 8));
  add("stage1-door", "stage 1, the door", StageView(1, {1700, 100, 0}, 5));
  add("stage2", "stage 2, climbing", StageView(2, {1150, 350, 0}, 5));
  add("stage6", "stage 6, spikes", StageView(6, {640, 0, 0}, 12));
  add("stage7", "stage 7, movers", StageView(7, {780, 0, 0}, 0));
  add("stage10", "stage 10, sinking platforms", StageView(10, {1500, 240, 0}, 3));
  add("block", "block.x", Single("block.x", {0, 75, 0}, 0.3F));
  add("block2", "block2.x", Single("block2.x", {0, 75, 0}, 0.3F));
  add("block3", "block3.x", Single("block3.x", {0, 120, 0}, 0.22F));
  add("toge", "toge.x", Single("toge.x", {0, -20, 0}, 0.2F));
  add("door", "door.x", Single("door.x", {0, 100, 0}, 0.32F));
  add("light", "light.x", Single("light.x", {0, 120, 0}, 0.36F));
  add("arrow", "arrow.x", Single("arrow.x", {0, 55, 0}, 0.2F));
  add("back", "back.x, 3 x 2 tiles", BackdropTiles());
  add("bear-0", "bear.x, time 0", BearPose(0, {1, 0, -0.6F}));
  add("bear-5", "bear.x, time 5 (air)", BearPose(5, {1, 0, 0}));
  add("bear-10", "bear.x, time 10", BearPose(10, {1, 0, 0}));
  add("bear-back", "bear.x from behind", BearPose(0, {0, 0, 1}));
  // The walk cycle at every other time, side by side.
  Canvas strip(10 * 120, 300, {0, 0, 0}, 0);
  for (int i = 0; i < 10; ++i) {
    Shot pose = BearPose(static_cast<float>(2 * i), {1, 0, 0});
    pose.width = 120;
    strip.DrawWholeImage(r.Render(pose), {120.0F * i, 0, 120, 300}, Fit::kInsideCentre);
  }
  out.push_back({"bear-walk", "bear.x, times 0, 2, ... 18", ToImage(strip)});
  return out;
}

}  // namespace ursa::screengen
