// Moving platforms: carrying, the turn frame, landing without carry, the sinking cycle of a
// vertical mover and its rest on the floor.
#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::EmptyState;
using test::PutObject;

// A frame's object pass without a spike.
void PassObjects(GameState& s) {
  NullHost host;
  ObjectPass(s, host);
}

// A horizontal mover under the player, its top at y = 0.
GameState OnSlider(int16_t moverX, int16_t vel, int16_t limitA, int16_t limitB) {
  GameState s = EmptyState(moverX, 0);
  PutObject(s, 3, kKindBlock2, moverX, -150, limitA, limitB, vel);
  return s;
}

TEST(Movers, StandingPlayerIsCarriedBesidesItsOwnSpeed) {
  GameState s = OnSlider(0, 5, -1000, 1000);
  s.moveInput = 1;
  NullHost host;
  RunFrame(s, host);
  EXPECT_EQ(s.objX[3], 5);
  EXPECT_EQ(s.playerX, 5 + 1);
  RunFrame(s, host);
  EXPECT_EQ(s.playerX, 6 + 5 + 2);
  EXPECT_EQ(s.playerY, 0);
}

TEST(Movers, InTheTurnFrameThePlayerMovesBackAgainstTheMover) {
  GameState s = OnSlider(995, 5, 600, 1000);
  NullHost host;
  RunFrame(s, host);
  EXPECT_EQ(s.objX[3], 1000);
  EXPECT_EQ(s.objVel[3], -5);
  EXPECT_EQ(s.playerX, 990);
  RunFrame(s, host);
  EXPECT_EQ(s.objX[3], 995);
  EXPECT_EQ(s.playerX, 985);
}

TEST(Movers, MoveComesBeforeTurnSoAMoverOnItsLimitLeavesIt) {
  GameState s = OnSlider(500, 5, 500, 1000);
  NullHost host;
  RunFrame(s, host);
  EXPECT_EQ(s.objX[3], 505);
  EXPECT_EQ(s.objVel[3], 5);
}

TEST(Movers, ACarryOntoTheNextPlatformIsCarriedAgain) {
  // Carried from the right edge of the first platform over the left edge of the second, whose
  // top is level with it: the second platform, acting later, carries the player too.
  GameState s = OnSlider(0, 5, -1000, 1000);
  s.playerX = 75;
  PutObject(s, 4, kKindBlock2, 150, -150, -1000, 1000, 5);
  PassObjects(s);
  EXPECT_EQ(s.objX[4], 155);
  EXPECT_EQ(s.playerX, 85);
}

TEST(Movers, LandingIsCaughtButNotCarriedThatFrame) {
  GameState s = OnSlider(0, 5, -1000, 1000);
  s.playerY = -20;
  s.velY = -6;
  NullHost host;
  RunFrame(s, host);
  EXPECT_EQ(s.playerY, 0);
  EXPECT_EQ(s.velY, 0);
  EXPECT_EQ(s.playerX, 0);
  RunFrame(s, host);
  EXPECT_EQ(s.playerX, 5);
}

TEST(Movers, HeadBumpsUnderASlider) {
  GameState s = OnSlider(0, 5, -1000, 1000);
  s.playerY = -200;
  s.velY = 12;
  PassObjects(s);
  EXPECT_EQ(s.playerY, -225);
  EXPECT_EQ(s.velY, 0);
}

// A vertical mover at x = 0 with its top at `top`, player just landed on it.
GameState OnSinker(int16_t vel) {
  GameState s = EmptyState(30, 0);
  PutObject(s, 0, kKindDoor, 3000, 0);
  PutObject(s, 1, kKindBlock3, 0, 100, 150, 50, vel);
  s.playerY = static_cast<int16_t>(100 + vel + 140 - 10);
  s.velY = -3;
  return s;
}

TEST(Movers, SinkerStartsSinkingOnLandingWhetherRisingOrFalling) {
  for (int16_t vel : {int16_t{1}, int16_t{-1}}) {
    GameState s = OnSinker(vel);
    PassObjects(s);
    EXPECT_EQ(s.playerY, 100 + vel + 140) << "vel " << vel;
    EXPECT_EQ(s.velY, 0);
    EXPECT_EQ(s.onGround, 1);
    EXPECT_EQ(s.objVel[1], kSinkSpeed);
    EXPECT_EQ(s.objLimitA[1], kSinkFloor);
    EXPECT_EQ(s.objLimitB[1], kSinkFloor);
  }
}

TEST(Movers, StandingExactlyOnASinkerDoesNotSinkIt) {
  GameState s = OnSinker(1);
  s.playerY = 100 + 1 + 140;
  PassObjects(s);
  EXPECT_EQ(s.onGround, 1);
  EXPECT_EQ(s.objVel[1], 1);
  EXPECT_EQ(s.objLimitA[1], 150);
  EXPECT_EQ(s.playerY, 241) << "not carried";
}

TEST(Movers, PlayerOnASinkerFollowsTheSixFrameCycle) {
  GameState s = OnSinker(1);
  NullHost host;
  struct Seen {
    int16_t onGround;
    int16_t velY;
    bool operator==(const Seen&) const = default;
  };
  std::vector<Seen> seen;
  for (int i = 0; i < 13; ++i) {
    ASSERT_EQ(RunFrame(s, host), FrameResult::kNone);
    seen.push_back({s.onGround, s.velY});
  }
  const std::vector<Seen> cycle = {{1, 0}, {0, -1}, {0, -2}, {0, -3}, {0, -4}, {1, -4}};
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(seen[i], cycle[i % 6]) << "frame " << i;
  }
  EXPECT_EQ(s.objY[1], 101 - 2 * 12);
}

TEST(Movers, SinkerComesToRestAtTheFloor) {
  struct Case {
    int16_t startY;
    int16_t wantY;
  };
  for (const Case& c : {Case{-4998, -5000}, Case{-4999, -5000}, Case{-4997, -4999}}) {
    GameState s = EmptyState(0, 3000);
    PutObject(s, 1, kKindBlock3, 0, c.startY, kSinkFloor, kSinkFloor, kSinkSpeed);
    PassObjects(s);
    EXPECT_EQ(s.objY[1], c.wantY) << "from " << c.startY;
    EXPECT_EQ(s.objVel[1], c.wantY == kSinkFloor ? 0 : kSinkSpeed) << "from " << c.startY;
  }
}

TEST(Movers, StageFiveMoversStartOnALimitAndMoveAway) {
  GameState s = test::StageState(5);
  for (int i = 1; i <= 6; ++i) {
    const bool onA = s.objX[i] == s.objLimitA[i];
    EXPECT_TRUE(onA || s.objX[i] == s.objLimitB[i]) << "mover " << i;
    EXPECT_EQ(s.objVel[i] > 0, onA) << "mover " << i;
  }
  const GameState before = s;
  PassObjects(s);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(s.objX[i], before.objX[i] + before.objVel[i]);
}

TEST(Movers, SlidersGoBackAndForthBetweenTheirLimitsForever) {
  GameState s = test::StageState(4);
  for (int frame = 0; frame < 2000; ++frame) {
    PassObjects(s);
    for (int i = 1; i <= 3; ++i) {
      ASSERT_GE(s.objX[i], s.objLimitA[i]) << "mover " << i << " frame " << frame;
      ASSERT_LE(s.objX[i], s.objLimitB[i]) << "mover " << i << " frame " << frame;
    }
  }
}

}  // namespace
}  // namespace ursa
