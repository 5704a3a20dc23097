// The ghost's bear: shown only for a ghost in the scene's stage, placed, turned and posed from
// the ghost's game, drawn see-through, and moving nothing of the player's.
#include "view/ghost_bear.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "harness/image_png.hpp"
#include "tests/view/view_fixture.hpp"
#include "view/between_ticks.hpp"
#include "view/view_update.hpp"

namespace ursa::test {
namespace {

// Stage 1 with the player on the first block, drawn (as `plain`) before the ghost is built.
class GhostTest : public ViewTest {
 protected:
  GhostTest() {
    Build(1);
    s.playerY = 0;
    view::PlacePlayerAndCamera(h, s);
    view::AimCameraAndLight(h, s);
    plain = Render();
    BuildGhost();
    ghost = s;
  }
  void BuildGhost() { view::BuildGhost(h, s, {URSA_ASSETS_DIR, &display, &picture, &random}); }
  rm::Image Render() {
    view::RenderView(h);
    return h.device->ReadImage();
  }

  rm::Image plain;
  GameState ghost{};
};

TEST_F(GhostTest, TheGhostShowsOnlyInItsStageMovesNothingOfThePlayersAndGoesWithTheScene) {
  const rm::Mat4 player = h.playerFrame->Transform();
  const rm::Mat4 camera = h.cameraFrame->Transform();
  const rm::Mat4 light = h.lightFrame->Transform();
  EXPECT_TRUE(Render().rgba == plain.rgba) << "hidden until placed";
  view::PlaceGhost(h, &ghost);
  EXPECT_TRUE(Render().rgba == plain.rgba) << "where the two bears are one, the player's shows";
  ghost.playerX = 150;
  GameState elsewhere = ghost;
  elsewhere.stage = 2;
  for (const GameState* notHere : {&elsewhere, static_cast<GameState*>(nullptr)}) {
    view::PlaceGhost(h, &ghost);
    EXPECT_TRUE(Render().rgba != plain.rgba);
    view::PlaceGhost(h, notHere);
    EXPECT_TRUE(Render().rgba == plain.rgba);
  }
  EXPECT_EQ(h.playerFrame->Transform().m, player.m);
  EXPECT_EQ(h.cameraFrame->Transform().m, camera.m);
  EXPECT_EQ(h.lightFrame->Transform().m, light.m);
  const std::weak_ptr<rm::Frame> frame = h.ghostFrame;
  view::ReleaseScene(h);
  EXPECT_TRUE(frame.expired());
}

TEST_F(GhostTest, TheGhostIsPlacedTurnedAndPosedAsThePlayersBearWouldBe) {
  ghost = {.stage = 1, .playerX = 300, .playerY = -100, .animFrame = 7, .moveInput = -1};
  view::PlaceGhost(h, &ghost);
  const view::StagePose from = view::TakePose(h);
  EXPECT_EQ(h.ghostFrame->Position().y, -100);
  EXPECT_EQ(h.ghostAnim->Time(), 7.0F);
  // Let go, it keeps facing left, even over the player's restart, and moves on between ticks.
  ghost = {.stage = 1, .frameCount = 40, .playerX = 310, .playerY = -100};
  Build(1);
  BuildGhost();
  view::PlaceGhost(h, &ghost);
  EXPECT_EQ(h.ghostFrame->AxisZ().x, -1.0F);
  view::PlaceBetween(h, from, view::TakePose(h), 0.5F);
  EXPECT_EQ(h.ghostFrame->Position().x, 305);
  // Its own next attempt (after a miss, a door or in a new run) starts facing right.
  ghost.moveInput = -1;
  for (GameState next : {GameState{.stage = 1, .missCount = 1, .frameCount = 40},
                         GameState{.stage = 2, .frameCount = 40}, GameState{.stage = 1}}) {
    view::PlaceGhost(h, &ghost);
    view::PlaceGhost(h, &next);
    next.stage = 1;
    view::PlaceGhost(h, &next);
    EXPECT_EQ(h.ghostFrame->AxisZ().x, 1.0F);
  }
}

TEST_F(GhostTest, TheGhostIsDrawnSeeThroughBesideThePlayer) {
  ghost = {.stage = 1, .playerX = 110, .animFrame = 5, .moveInput = -1};
  view::PlaceGhost(h, &ghost);
  const rm::Image picture = Render();
  // URSA_GHOST_PNG=path keeps the picture for a look.
  if (const char* path = std::getenv("URSA_GHOST_PNG")) harness::SavePng(picture, path);
  h.ghostFrame->SetOpacity(1.0F);
  const rm::Image solid = Render();
  // Wherever the ghost is, its every pixel is the solid ghost's half-way over the wall, once.
  int ghostPixels = 0;
  for (size_t i = 0; i < picture.rgba.size(); i += 4) {
    if (std::equal(&solid.rgba[i], &solid.rgba[i + 3], &plain.rgba[i])) continue;
    ++ghostPixels;
    for (size_t c = i; c < i + 3; ++c) {
      EXPECT_NEAR(picture.rgba[c], (solid.rgba[c] + plain.rgba[c]) / 2.0, 1.5) << i / 4;
    }
  }
  EXPECT_GT(ghostPixels, 150);
}

}  // namespace
}  // namespace ursa::test
