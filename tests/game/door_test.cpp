// The door: a fresh press of the jump key in front of object 0 takes the player through it,
// before any jump; a key held since the last jump does not.
#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::PutObject;

// Floor at y = 0 with the door at (600, 0).
GameState AtDoor(int16_t x, int16_t y, int16_t jumpKey) {
  GameState s = test::FloorState(x);
  s.playerY = y;
  s.jumpKey = jumpKey;
  s.stage = 7;
  PutObject(s, 0, kKindDoor, 600, 0);
  return s;
}

struct DoorCase {
  const char* what;
  int16_t x;
  int16_t y;
  int16_t jumpKey;
  bool opens;
};

class DoorZone : public testing::TestWithParam<DoorCase> {};

TEST_P(DoorZone, OpensOnlyInsideWithAFreshPress) {
  const DoorCase& c = GetParam();
  GameState s = AtDoor(c.x, c.y, c.jumpKey);
  EXPECT_EQ(DoorTest(s), c.opens) << c.what;
  EXPECT_EQ(s.stage, c.opens ? 8 : 7) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Door, DoorZone,
                         testing::Values(DoorCase{"centre", 600, 0, kJumpPressed, true},
                                         DoorCase{"key held since a jump", 600, 0, kJumpUsed,
                                                  false},
                                         DoorCase{"key released", 600, 0, kJumpReleased, false},
                                         DoorCase{"left inside", 551, 0, kJumpPressed, true},
                                         DoorCase{"left edge", 550, 0, kJumpPressed, false},
                                         DoorCase{"right inside", 649, 0, kJumpPressed, true},
                                         DoorCase{"right edge", 650, 0, kJumpPressed, false},
                                         DoorCase{"high inside", 600, 49, kJumpPressed, true},
                                         DoorCase{"high edge", 600, 50, kJumpPressed, false},
                                         DoorCase{"low inside", 600, -99, kJumpPressed, true},
                                         DoorCase{"low edge", 600, -100, kJumpPressed, false}));

TEST(Door, TakesThePlayerThroughInsteadOfJumping) {
  GameState s = AtDoor(600, 0, kJumpPressed);
  NullHost host;
  EXPECT_EQ(RunFrame(s, host), FrameResult::kDoor);
  EXPECT_EQ(s.stage, 8);
  EXPECT_EQ(s.velY, 0);
  EXPECT_EQ(s.playerY, 0);
  EXPECT_EQ(s.jumpKey, kJumpPressed);
  EXPECT_EQ(s.frameCount, 0);
}

TEST(Door, UsesTheHorizontalPositionAfterThisFramesMove) {
  GameState s = AtDoor(545, 0, kJumpPressed);
  s.velX = 9;
  s.moveInput = 1;  // 545 + 10 = 555 is inside
  NullHost host;
  EXPECT_EQ(RunFrame(s, host), FrameResult::kDoor);
  EXPECT_EQ(s.playerX, 555);
}

TEST(Door, AKeyPressedInTheAirOpensItOnTheWayIn) {
  GameState s = AtDoor(400, 200, kJumpPressed);
  s.velY = -5;
  s.moveInput = 1;
  s.velX = 15;
  NullHost host;
  FrameResult result = FrameResult::kNone;
  for (int i = 0; i < 30 && result == FrameResult::kNone; ++i) {
    result = RunFrame(s, host);
    if (result == FrameResult::kNone) {
      ASSERT_EQ(s.onGround, 0) << "landed before the door";
    }
  }
  EXPECT_EQ(result, FrameResult::kDoor);
}

TEST(Door, AKeyHeldFromAJumpMustBePressedAgain) {
  GameState s = AtDoor(600, 0, kJumpPressed);
  s.objX[0] = 2000;  // jump first, away from the door
  NullHost host;
  RunFrame(s, host);
  ASSERT_EQ(s.jumpKey, kJumpUsed);
  s.objX[0] = 600;
  Game game;
  game.state = s;
  KeyDown(game, host, kKeySpace);  // the held key repeats
  EXPECT_EQ(game.state.jumpKey, kJumpUsed);
  for (int i = 0; i < 70; ++i) ASSERT_EQ(RunFrame(game.state, host), FrameResult::kNone);
  KeyUp(game, kKeySpace);
  KeyDown(game, host, kKeySpace);
  EXPECT_EQ(RunFrame(game.state, host), FrameResult::kDoor);
}

}  // namespace
}  // namespace ursa
