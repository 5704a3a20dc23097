// Framing of each art render: the game's camera and light offsets, brought closer for the
// small objects so their detail shows.
#include "art_renders.hpp"

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

// Stage 1 as the game builds it, seen with the player at `player`.
Shot StageOne(rm::Vec3 player, float time) {
  Shot shot = GameView(player, kWidth, kHeight);
  AddBackdrop(shot, 12, 4, -1000, -400);
  const float blocks[][2] = {{0, -150},   {150, -150},  {300, -150}, {0, 250},     {750, -150},
                             {-150, 250}, {-150, -150}, {900, -150}, {1050, -150}, {300, 500},
                             {450, 500},  {600, 500},   {1500, -50}, {1650, -50},  {1800, -50},
                             {1950, -50}, {-300, -150}, {750, 500},  {1300, 500},  {1450, 500}};
  for (const auto& b : blocks) shot.items.push_back(MeshAt("block.x", {b[0], b[1], 0}));
  shot.items.push_back(MeshAt("door.x", {1800, 100, 0}));
  shot.items.push_back(MeshAt("light.x", {1900, 100, 0}));
  shot.items.push_back(MeshAt("arrow.x", {-100, 0, 0}));
  shot.items.push_back(BearAt(player, {1, 0, 0}, time));
  return shot;
}

// Platforms and hazards of the later stages in one view.
Shot Hazards() {
  Shot shot = GameView({300, 60, 0}, kWidth, kHeight);
  AddBackdrop(shot, 3, 2, -500, -400);
  for (float x : {-150.0F, 0.0F, 450.0F, 600.0F, 750.0F}) {
    shot.items.push_back(MeshAt("block.x", {x, -150, 0}));
  }
  shot.items.push_back(MeshAt("toge.x", {600, 50, 0}));
  shot.items.push_back(MeshAt("block2.x", {225, -150, 0}));
  shot.items.push_back(MeshAt("block3.x", {100, 200, 0}));
  Placement tinted = MeshAt("block3.x", {400, 300, 0});
  tinted.colour = rm::Vec3{0.9F, 0.35F, 0.6F};
  shot.items.push_back(tinted);
  shot.items.push_back(BearAt({0, 0, 0}, {1, 0, 0}, 0));
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
  add("stage1", "stage 1, the start", StageOne({0, 0, 0}, 8));
  add("stage1-door", "stage 1, the door", StageOne({1700, 100, 0}, 5));
  add("hazards", "movers and spikes", Hazards());
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
  return out;
}

}  // namespace ursa::screengen
