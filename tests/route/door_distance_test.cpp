// The search's sense of direction: door distances that follow the way a stage must be climbed,
// and a jump reach that agrees with a real running jump.
#include "tools/ursa-route/door_distance.hpp"

#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/null_host.hpp"
#include "game/player_motion.hpp"
#include "game/stage_layouts.hpp"

namespace ursa::route {
namespace {

GameState Stage(int16_t stage) {
  GameState s;
  s.stage = stage;
  LoadStageLayout(s);
  PlacePlayerAtStart(s);
  return s;
}

TEST(DoorDistance, FollowsTheClimbWhereTheDoorIsStraightAboveTheStart) {
  // Stage 2: the door hangs 1100 above the start; the way up leads right over three ledges.
  const DoorDistance door(Stage(2));
  const int start = door.At(0, 50);
  const int firstLedge = door.At(1150, 350);
  const int highLedge = door.At(2400, 900);
  const int topRow = door.At(1000, 1150);
  EXPECT_GT(start, firstLedge);
  EXPECT_GT(firstLedge, highLedge);
  EXPECT_GT(highLedge, topRow);
  EXPECT_GT(start, 2 * 1100) << "the way is longer than the straight line";
  EXPECT_LT(door.At(200, 1150), 50);
}

TEST(DoorDistance, GoesRoundTheSinkingRowsOfStageTen) {
  // The door stands on the upper row, out of reach from the sinking platforms below it; the way
  // runs right along them, up at the far end and back left along the upper row.
  const DoorDistance door(Stage(10));
  const int start = door.At(0, 50);
  const int farEnd = door.At(5000, 290);
  const int upperRowFarEnd = door.At(5000, 850);
  EXPECT_GT(start, farEnd);
  EXPECT_GT(farEnd, upperRowFarEnd);
  EXPECT_GT(door.At(1200, 290), farEnd) << "under the door is not near it";
}

TEST(DoorDistance, StageFourteenGoesUpBeforeAcross) {
  // The floor gap between the start block and the door's block is too wide for one jump, so
  // the way leads up the left tower first.
  const DoorDistance door(Stage(14));
  EXPECT_LT(JumpReach(0), 1125 - 75);
  EXPECT_GT(door.At(0, 50), door.At(0, 300));
  EXPECT_GT(door.At(0, 50), 1200) << "longer than the straight line along the floor";
  EXPECT_GT(door.At(0, 900), door.At(1200, 900));
}

TEST(DoorDistance, PointsBelowTheFallLimitAreUnreachable) {
  const DoorDistance door(Stage(1));
  EXPECT_EQ(door.At(0, kFallLimit - 500), DoorDistance::kUnreachable);
}

TEST(JumpReach, AgreesWithARunningJumpOffABlockEdge) {
  // One block with its top at 0; the player leaves its right edge at full speed.
  GameState s = Stage(0);
  s.blockX[0] = 0;
  s.blockY[0] = -150;
  s.playerX = 75;
  s.playerY = 0;
  s.velX = kMaxRunSpeed;
  s.moveInput = 1;
  s.jumpKey = kJumpPressed;
  NullHost host;
  int lastAboveBand = 0;
  while (RunFrame(s, host) == FrameResult::kNone && s.playerY > -200) {
    if (s.playerY > -50) lastAboveBand = s.playerX - 75;
  }
  EXPECT_EQ(JumpReach(0), lastAboveBand);
}

TEST(JumpReach, ShrinksWithHeightAndEndsAboveThePeakAndItsBand) {
  int previous = JumpReach(-600);
  EXPECT_GT(previous, JumpReach(0));
  for (int rise = -600; rise <= 455; rise += 5) {
    EXPECT_LE(JumpReach(rise), previous) << rise;
    previous = JumpReach(rise);
  }
  EXPECT_GT(JumpReach(455), 0) << "a jump peaks at 406 and a top is caught 49 below it";
  EXPECT_EQ(JumpReach(460), -1);
}

}  // namespace
}  // namespace ursa::route
