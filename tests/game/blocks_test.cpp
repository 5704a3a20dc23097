// Blocks side by side and the order of the block pass: neighbours 150 apart make one floor,
// and each block sees the player as the blocks before it left it.
#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/player_motion.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::EmptyState;

GameState TwoBlocks(int16_t x, int16_t y) {
  GameState s = EmptyState(x, y);
  s.blockX[0] = 0;
  s.blockY[0] = -150;
  s.blockX[1] = 150;
  s.blockY[1] = -150;
  return s;
}

TEST(BlocksSideBySide, TheSeamBetweenTwoBlocksIsSolid) {
  for (int16_t x : {74, 75, 76}) {
    GameState s = TwoBlocks(x, 0);
    BlockPass(s);
    EXPECT_EQ(s.onGround, 1) << "x " << x;
    s = TwoBlocks(x, -20);
    BlockPass(s);
    EXPECT_EQ(s.playerY, 0) << "landing at x " << x;
  }
}

TEST(BlocksSideBySide, WalkingAcrossNeverDrops) {
  GameState s = TwoBlocks(-60, 0);
  s.moveInput = 1;
  NullHost host;
  while (s.playerX < 220) {
    ASSERT_EQ(RunFrame(s, host), FrameResult::kNone);
    EXPECT_EQ(s.playerY, 0) << "x " << s.playerX;
    EXPECT_EQ(s.onGround, 1);
  }
}

TEST(BlocksSideBySide, LaterBlocksSeeWhereEarlierOnesPutThePlayer) {
  // Block 0's bottom pushes the head down into the landing band of the block below it.
  GameState s = EmptyState(0, -10);
  s.blockX[0] = 0;
  s.blockY[0] = 0;
  s.blockX[1] = 0;
  s.blockY[1] = -200;
  BlockPass(s);
  EXPECT_EQ(s.playerY, -50);
  EXPECT_EQ(s.onGround, 1);

  // The same two blocks the other way round: the head bump comes last and nothing catches.
  std::swap(s.blockY[0], s.blockY[1]);
  s.playerY = -10;
  s.onGround = 0;
  BlockPass(s);
  EXPECT_EQ(s.playerY, -75);
  EXPECT_EQ(s.onGround, 0);
}

TEST(BlocksSideBySide, ParkedEntriesTakePartButTouchNothingInPlay) {
  GameState s = EmptyState(-5000, 150);
  BlockPass(s);
  EXPECT_EQ(s.onGround, 1) << "a player far out on the parked column stands on it";
}

}  // namespace
}  // namespace ursa
