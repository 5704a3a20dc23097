// The view calls of a frame: which the frame makes, with what state, and in what order.
// The window draws exactly what these calls hand it, so a call moved or lost changes a picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/frame.hpp"
#include "game/stage_objects.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::EmptyState;
using test::PutObject;

// Logs every view call with the state the view would read at that moment.
class ViewCallHost : public GameHost {
 public:
  int64_t Milliseconds() override { return 0; }
  void SetPictureVisible(bool /*visible*/) override {}
  void DrawHud(const GameState& /*s*/) override {}
  void BuildScene(const GameState& /*s*/) override {}
  void ReleaseScene() override {}
  void DrawTitleScreen() override {}
  void DrawEndingScreen(GameState& /*s*/) override {}
  void RenderDeathFrame(const GameState& /*s*/) override {}
  void EndProgram() override {}

  void PlaceObject(const GameState& s, int i) override {
    log.emplace_back("place " + std::to_string(i) + " at " + std::to_string(s.objX[i]) + "," +
                     std::to_string(s.objY[i]));
  }
  void TurnPlayer(const GameState& s) override {
    log.emplace_back("turn " + std::to_string(s.moveInput));
  }
  void PlacePlayerAndCamera(const GameState& s) override {
    log.emplace_back("player " + std::to_string(s.playerX) + "," + std::to_string(s.playerY));
  }
  void AimCameraAndLight(const GameState& /*s*/) override { log.emplace_back("aim"); }
  void RenderView() override { log.emplace_back("render"); }

  std::vector<std::string> log;
};

TEST(FrameView, PlatformsAreTheObjectsPlacedThenThePlayerTurnsAndTheFrameRenders) {
  GameState s = test::StageState(9);  // sinking platforms 1-3, a moving platform at 7
  s.moveInput = -1;
  ViewCallHost host;
  ASSERT_EQ(RunFrame(s, host), FrameResult::kNone);
  EXPECT_EQ(host.log, (std::vector<std::string>{"place 1 at 500,101", "place 2 at 900,201",
                                                "place 3 at 1300,301", "place 7 at 1990,600",
                                                "turn -1", "player -1,49", "aim", "render"}));

  s.moveInput = 0;
  host.log.clear();
  RunFrame(s, host);
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "turn 0"), 0)
      << "no direction held, no turn";
}

TEST(FrameView, ASpikePlacesOnlyThePlatformsBeforeIt) {
  GameState s = EmptyState(0, 0);
  PutObject(s, 1, kKindBlock2, 0, -150, -500, 500, 5);
  PutObject(s, 2, kKindToge, 0, 50);
  PutObject(s, 3, kKindBlock2, 1000, 0, 500, 1500, 5);
  s.moveInput = 1;
  ViewCallHost host;
  ASSERT_EQ(RunFrame(s, host), FrameResult::kSpike);
  EXPECT_EQ(host.log, std::vector<std::string>{"place 1 at 5,-150"});
}

TEST(FrameView, ASinkerReachingTheFloorIsShownWhereItsStepTookIt) {
  // From an odd height the sinker steps past the floor; the view shows that step, and the
  // sinker rests on the floor from the next frame on.
  GameState s = EmptyState(0, 3000);
  PutObject(s, 1, kKindBlock3, 0, -4999, kSinkFloor, kSinkFloor, kSinkSpeed);
  ViewCallHost host;
  RunFrame(s, host);
  EXPECT_EQ(host.log.front(), "place 1 at 0,-5001");
  EXPECT_EQ(s.objY[1], kSinkFloor);
  host.log.clear();
  RunFrame(s, host);
  EXPECT_EQ(host.log.front(), "place 1 at 0,-5000");
}

TEST(FrameView, DoorAndFallEndTheFrameBeforeItsLastCalls) {
  GameState door = test::StageState(1);
  door.playerX = door.objX[0];
  door.playerY = door.objY[0];
  door.jumpKey = -1;
  ViewCallHost doorHost;
  ASSERT_EQ(RunFrame(door, doorHost), FrameResult::kDoor);
  EXPECT_TRUE(doorHost.log.empty()) << "the player is not placed in a door frame";

  GameState fall = EmptyState(0, -1490);
  fall.velY = -20;
  ViewCallHost fallHost;
  ASSERT_EQ(RunFrame(fall, fallHost), FrameResult::kFall);
  EXPECT_EQ(fallHost.log, std::vector<std::string>{"player 0,-1510"});
}

}  // namespace
}  // namespace ursa
