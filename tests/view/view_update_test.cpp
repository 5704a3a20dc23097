// The per-frame view: the follow camera and its switch to the falling camera, the light,
// the player's facing and pose, and the death sequence's camera path.
#include "view/view_update.hpp"

#include <cmath>

#include "tests/view/view_fixture.hpp"
#include "view/between_ticks.hpp"

namespace ursa::test {
namespace {

using view::AimCameraAndLight;
using view::PlaceObject;
using view::PlacePlayerAndCamera;
using view::RenderDeathFrame;
using view::RenderView;
using view::TurnPlayer;

void ExpectNear(rm::Vec3 v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-3F);
  EXPECT_NEAR(v.y, y, 1e-3F);
  EXPECT_NEAR(v.z, z, 1e-3F);
}

rm::Vec3 Normalised(rm::Vec3 v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / length, v.y / length, v.z / length};
}

class ViewUpdateTest : public ViewTest {
 protected:
  ViewUpdateTest() { Build(1); }
};

TEST_F(ViewUpdateTest, TheFollowCameraHandsOverToTheFallingCameraBelowMinus200) {
  s.playerX = 300;
  s.playerY = -200;
  PlacePlayerAndCamera(h, s);
  ExpectNear(h.cameraFrame->Position(), 300, 50, -1250);
  ExpectNear(h.playerFrame->Position(), 300, -200, 0);

  s.playerY = -201;
  PlacePlayerAndCamera(h, s);
  ExpectNear(h.cameraFrame->Position(), 300, 200, 0);
  // From the play plane above the player the camera looks straight down.
  AimCameraAndLight(h, s);
  ExpectNear(h.cameraFrame->AxisZ(), 0, -1, 0);
}

TEST_F(ViewUpdateTest, CameraAndLightAimAtThePlayer) {
  s.playerX = 1000;
  s.playerY = 400;
  PlacePlayerAndCamera(h, s);
  AimCameraAndLight(h, s);
  ExpectNear(h.lightFrame->Position(), 1000, 900, -400);
  ExpectNear(h.lightFrame->AxisZ(), 0, -500 / std::sqrt(500.0F * 500 + 400 * 400),
             400 / std::sqrt(500.0F * 500 + 400 * 400));
  const rm::Vec3 toPlayer = Normalised({0, -250, 1250});
  ExpectNear(h.cameraFrame->AxisZ(), toPlayer.x, toPlayer.y, toPlayer.z);
}

TEST_F(ViewUpdateTest, TheBearFacesTheWayItLastRanAndTakesItsPose) {
  s.moveInput = -1;
  TurnPlayer(h, s);
  ExpectNear(h.playerFrame->AxisZ(), -1, 0, 0);
  ExpectNear(h.playerFrame->AxisY(), 0, 1, 0);
  s.animFrame = 5;
  PlacePlayerAndCamera(h, s);
  EXPECT_FLOAT_EQ(h.playerAnim->Time(), 5.0F);
  ExpectNear(h.playerFrame->AxisZ(), -1, 0, 0);  // placing keeps the facing
}

TEST_F(ViewUpdateTest, TheDeathCameraPullsBackFromThePlayPlane) {
  s.playerX = 400;
  s.playerY = 0;
  PlacePlayerAndCamera(h, s);
  for (int timer : {0, 100, 200}) {
    s.deathTimer = static_cast<int16_t>(timer);
    RenderDeathFrame(h, s);
    ExpectNear(h.cameraFrame->Position(), 400, 250, -7.0F * static_cast<float>(timer));
  }
}

TEST_F(ViewUpdateTest, AMovedPlatformIsDrawnWhereTheRulesPutIt) {
  Build(4);
  s.objX[2] = 1145;
  PlaceObject(h, s, 2);
  ExpectNear(h.objectFrames[2]->Position(), 1145, -150, 0);
}

TEST_F(ViewUpdateTest, AFrameOfPlayDrawsTheStageIntoTheDeviceImage) {
  PlacePlayerAndCamera(h, s);
  AimCameraAndLight(h, s);
  RenderView(h);
  const rm::Image image = h.device->ReadImage();
  int lit = 0;
  int litOutside = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const bool inside = x >= 120 && x < 520 && y >= 65 && y < 365;
      const rm::Image::Pixel p = image.At(x, y);
      const bool black = p.r == 0 && p.g == 0 && p.b == 0;
      if (!black) (inside ? lit : litOutside)++;
    }
  }
  EXPECT_GT(lit, 400 * 300 * 9 / 10) << "the backdrop fills the viewport";
  EXPECT_EQ(litOutside, 0) << "nothing is drawn outside the viewport";
}

TEST_F(ViewUpdateTest, BetweenTicksTheBearIsOnItsWayAndTheCameraFollowsAndLooksAtIt) {
  auto tick = [&](int x, int y) {
    s.playerX = static_cast<int16_t>(x);
    s.playerY = static_cast<int16_t>(y);
    PlacePlayerAndCamera(h, s);
    AimCameraAndLight(h, s);
    return view::TakePose(h);
  };
  const view::StagePose from = tick(300, 0);
  const view::StagePose to = tick(310, -10);
  view::PlaceBetween(h, from, to, 0.5F);
  ExpectNear(h.playerFrame->Position(), 305, -5, 0);
  ExpectNear(h.cameraFrame->Position(), 305, 245, -1250);
  ExpectNear(h.cameraFrame->AxisZ(), 0, -250 / std::hypot(250.0F, 1250.0F),
             1250 / std::hypot(250.0F, 1250.0F));
  view::PlaceBetween(h, from, to, 0.0F);
  EXPECT_EQ(h.cameraFrame->Transform().m, from.camera.m);
  view::PlaceBetween(h, from, to, 1.0F);
  EXPECT_EQ(h.cameraFrame->Transform().m, to.camera.m);
  EXPECT_EQ(h.lightFrame->Transform().m, to.light.m);

  // The camera drops to look down on a fall: it jumps, while the bear still moves between.
  const view::StagePose falling = tick(310, -210);
  const view::StagePose before = tick(310, -195);
  view::PlaceBetween(h, before, falling, 0.5F);
  ExpectNear(h.playerFrame->Position(), 310, -202.5F, 0);
  EXPECT_EQ(h.cameraFrame->Transform().m, falling.camera.m);
}

TEST_F(ViewUpdateTest, TheWallFillsEveryViewOfTheSideCamera) {
  // A stage's first picture, a bear flown off the left of stage 1 or the right end of stage
  // 10 (low and at a jump's height), the top of a jump from the highest blocks, and the
  // death camera pulled all the way back over the lowest ground.
  struct View {
    int x, y, deathTimer;
  };
  for (const View v :
       {View{0, 50, -1}, View{-1395, -200, -1}, View{-1395, 450, -1}, View{7300, -200, -1},
        View{7300, 1000, -1}, View{2150, 1710, -1}, View{0, -150, 200}}) {
    SCOPED_TRACE(testing::Message() << "bear at " << v.x << ", " << v.y);
    s.playerX = static_cast<int16_t>(v.x);
    s.playerY = static_cast<int16_t>(v.y);
    PlacePlayerAndCamera(h, s);
    AimCameraAndLight(h, s);
    s.deathTimer = static_cast<int16_t>(v.deathTimer);
    if (v.deathTimer < 0) {
      RenderView(h);
    } else {
      RenderDeathFrame(h, s);
    }
    const rm::Image image = h.device->ReadImage();
    int black = 0;
    for (int y = 65; y < 365; ++y) {
      for (int x = 120; x < 520; ++x) {
        const rm::Image::Pixel p = image.At(x, y);
        black += p.r == 0 && p.g == 0 && p.b == 0 ? 1 : 0;
      }
    }
    EXPECT_EQ(black, 0);
  }
}

}  // namespace
}  // namespace ursa::test
