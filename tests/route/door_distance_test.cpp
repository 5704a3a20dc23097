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
  const int start = door.FromStanding(0, 50);
  const int firstLedge = door.FromStanding(1150, 350);
  const int highLedge = door.FromStanding(2400, 900);
  const int topRow = door.FromStanding(1000, 1150);
  EXPECT_GT(start, firstLedge);
  EXPECT_GT(firstLedge, highLedge);
  EXPECT_GT(highLedge, topRow);
  EXPECT_GT(start, 2 * 1100) << "the way is longer than the straight line";
  EXPECT_LT(door.FromStanding(200, 1150), 50);
}

TEST(DoorDistance, GoesRoundTheSinkingRowsOfStageTen) {
  // The door stands on the upper row, out of reach from the sinking platforms below it; the way
  // runs right along them, up at the far end and back left along the upper row.
  const DoorDistance door(Stage(10));
  const int start = door.FromStanding(0, 50);
  const int farEnd = door.FromStanding(5000, 290);
  const int upperRowFarEnd = door.FromStanding(5000, 850);
  EXPECT_GT(start, farEnd);
  EXPECT_GT(farEnd, upperRowFarEnd);
  EXPECT_GT(door.FromStanding(1200, 290), farEnd) << "under the door is not near it";
  // A jump from the blocks left of the sinking row peaks just inside the upper row's bottom,
  // right under the door; from there the player can only fall back.
  EXPECT_GT(door.From(1131, 700, 0, false), farEnd);
  EXPECT_LT(door.FromStanding(1131, 700), farEnd) << "standing there, it would be near";
}

TEST(DoorDistance, StageFourteenGoesUpBeforeAcross) {
  // The floor gap between the start block and the door's block is too wide for one jump, so
  // the way leads up the left tower first.
  const DoorDistance door(Stage(14));
  EXPECT_LT(JumpReach(0), 1125 - 75);
  EXPECT_GT(door.FromStanding(0, 50), door.FromStanding(0, 300));
  EXPECT_GT(door.FromStanding(0, 50), 1200) << "longer than the straight line along the floor";
  EXPECT_GT(door.FromStanding(0, 900), door.FromStanding(1200, 900));
}

TEST(DoorDistance, PointsBelowTheFallLimitAreUnreachable) {
  const DoorDistance door(Stage(1));
  EXPECT_EQ(door.FromStanding(0, kFallLimit - 500), DoorDistance::kUnreachable);
  EXPECT_EQ(door.From(-1000, 0, 0, false), DoorDistance::kUnreachable) << "falling beside it all";
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

TEST(JumpReach, FlightAgreesWithAPlayerAlreadyInTheAir) {
  for (const int velY : {12, 0, -7}) {
    GameState s = Stage(0);
    s.playerY = 0;
    s.velX = kMaxRunSpeed;
    s.velY = static_cast<int16_t>(velY);
    s.moveInput = 1;
    NullHost host;
    int lastAboveBand = 0;
    while (RunFrame(s, host) == FrameResult::kNone && s.playerY > -200) {
      if (s.playerY > -50) lastAboveBand = s.playerX;
    }
    EXPECT_EQ(FlightReach(velY, 0), lastAboveBand) << velY;
  }
  EXPECT_EQ(FlightReach(0, 60), -1) << "no rise without speed";
  EXPECT_GT(FlightReach(12, 60), 0)
      << "gravity first: 11 + 10 + ... + 1 = 66 lifts the feet into the band";
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
