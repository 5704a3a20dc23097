// Player motion: speed ramp and friction, the jump arc, pending jumps, block contact bands,
// the straight fall and the walk animation, run as whole frames or single steps.
#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/player_motion.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::EmptyState;
using test::FloorState;

FrameResult Frames(GameState& s, int count) {
  NullHost host;
  FrameResult result = FrameResult::kNone;
  for (int i = 0; i < count && result == FrameResult::kNone; ++i) result = RunFrame(s, host);
  return result;
}

TEST(Motion, SpeedRampsToFifteenAndFrictionBringsItBack) {
  GameState s = FloorState();
  s.moveInput = 1;
  std::vector<int> speeds;
  for (int i = 0; i < 17; ++i) {
    Frames(s, 1);
    speeds.push_back(s.velX);
  }
  EXPECT_EQ(speeds[13], 14);
  EXPECT_EQ(speeds[14], 15);
  EXPECT_EQ(speeds[16], 15);
  s.moveInput = 0;
  Frames(s, 14);
  EXPECT_EQ(s.velX, 1);
  Frames(s, 1);
  EXPECT_EQ(s.velX, 0);
  Frames(s, 1);
  EXPECT_EQ(s.velX, 0);
}

TEST(Motion, ReversingChangesSpeedOneStepPerFrame) {
  GameState s = FloorState();
  s.velX = 15;
  s.moveInput = -1;
  Frames(s, 10);
  EXPECT_EQ(s.velX, 5);
  Frames(s, 25);
  EXPECT_EQ(s.velX, -15);
}

TEST(Motion, FrictionActsInTheAir) {
  GameState s = EmptyState(0, 1000);
  s.velX = -4;
  Frames(s, 3);
  EXPECT_EQ(s.velX, -1);
  EXPECT_EQ(s.playerX, -3 - 2 - 1);
}

TEST(Motion, JumpRisesTwentyEightThenPeaksAt406) {
  GameState s = FloorState();
  s.jumpKey = kJumpPressed;
  std::vector<int> heights;
  for (int i = 0; i < 31; ++i) {
    Frames(s, 1);
    heights.push_back(s.playerY);
  }
  EXPECT_EQ(heights[0], 28);
  EXPECT_EQ(s.jumpKey, kJumpUsed);
  EXPECT_EQ(heights[27], 406);
  EXPECT_EQ(heights[28], 406);
  EXPECT_EQ(heights[29], 405);
  EXPECT_EQ(*std::max_element(heights.begin(), heights.end()), 406);
}

TEST(Motion, JumpPressedInTheAirWaitsForTheGround) {
  GameState s = FloorState();
  s.playerY = 60;
  s.jumpKey = kJumpPressed;
  int landingFrame = -1;
  for (int i = 0; i < 20 && landingFrame < 0; ++i) {
    Frames(s, 1);
    if (s.jumpKey == kJumpUsed) landingFrame = i;
    if (landingFrame < 0) {
      EXPECT_LT(s.velY, 0) << "frame " << i;
      EXPECT_EQ(s.jumpKey, kJumpPressed) << "frame " << i;
    }
  }
  ASSERT_GE(landingFrame, 0);
  EXPECT_EQ(s.velY, kJumpSpeed);
  EXPECT_EQ(s.playerY, 28);
}

TEST(Motion, ReleasingTheKeyInTheAirCancelsThePendingJump) {
  GameState s = FloorState();
  s.playerY = 60;
  s.jumpKey = kJumpPressed;
  Frames(s, 3);
  Game game;
  game.state = s;
  KeyUp(game, kKeySpace);
  s = game.state;
  Frames(s, 20);
  EXPECT_EQ(s.playerY, 0);
  EXPECT_EQ(s.velY, 0);
  EXPECT_EQ(s.onGround, 1);
}

struct BandCase {
  const char* what;
  int16_t x;
  int16_t y;
  int16_t wantY;
  int16_t wantVelY;
  int16_t wantOnGround;
};

// One block at (0, 0): bottom 0, top 150. The player comes in with velY = -3.
class BlockBands : public testing::TestWithParam<BandCase> {};

TEST_P(BlockBands, BlockPassMovesThePlayerAsExpected) {
  const BandCase& c = GetParam();
  GameState s = EmptyState(c.x, c.y);
  s.blockX[0] = 0;
  s.blockY[0] = 0;
  s.velY = -3;
  BlockPass(s);
  EXPECT_EQ(s.playerY, c.wantY);
  EXPECT_EQ(s.velY, c.wantVelY);
  EXPECT_EQ(s.onGround, c.wantOnGround);
  EXPECT_EQ(s.playerX, c.x);
}

INSTANTIATE_TEST_SUITE_P(Motion, BlockBands,
                         testing::Values(BandCase{"standing on top", 0, 150, 150, -3, 1},
                                         BandCase{"just above top", 0, 151, 151, -3, 0},
                                         BandCase{"step up 49", 0, 101, 150, 0, 1},
                                         BandCase{"step up at right edge", 75, 149, 150, 0, 1},
                                         BandCase{"past right edge", 76, 149, 149, -3, 0},
                                         BandCase{"at left edge", -75, 120, 150, 0, 1},
                                         BandCase{"pass-through top of band", 0, 100, 100, -3, 0},
                                         BandCase{"pass-through middle", 0, 50, 50, -3, 0},
                                         BandCase{"pass-through at bottom", 0, 0, 0, -3, 0},
                                         BandCase{"head bump just under", 0, -1, -75, 0, 0},
                                         BandCase{"head bump deepest", 0, -74, -75, 0, 0},
                                         BandCase{"below head band", 0, -75, -75, -3, 0}),
                         [](const testing::TestParamInfo<BandCase>& info) {
                           std::string name = info.param.what;
                           for (char& ch : name)
                             ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST(Motion, WalkingIntoALowBlockClimbsOntoIt) {
  GameState s = FloorState();
  s.blockX[99] = 450;
  s.blockY[99] = -120;  // top at 30: a step of 30
  s.moveInput = 1;
  Frames(s, 40);
  EXPECT_GT(s.playerX, 375);
  EXPECT_LE(s.playerX, 525);
  EXPECT_EQ(s.playerY, 30);
}

TEST(Motion, FeetOnTheTopWhileFallingSinkOnceThenAreCaught) {
  GameState s = FloorState();
  s.velY = -7;
  Frames(s, 1);
  EXPECT_EQ(s.onGround, 1);
  EXPECT_EQ(s.velY, -7);
  EXPECT_EQ(s.playerY, -7);
  Frames(s, 1);
  EXPECT_EQ(s.playerY, 0);
  EXPECT_EQ(s.velY, 0);
}

TEST(Motion, BelowMinus400ThePlayerFallsStraightDown) {
  struct Case {
    int16_t y;
    int16_t wantX;
  };
  for (const Case& c : {Case{-399, 11}, Case{-400, 0}, Case{-1000, 0}}) {
    GameState s = EmptyState(0, c.y);
    s.velX = 10;
    s.moveInput = 1;
    HorizontalInput(s);
    HorizontalMove(s);
    EXPECT_EQ(s.playerX, c.wantX) << "y " << c.y;
    EXPECT_EQ(s.velX, 11) << "speed still follows the input";
  }
}

TEST(Motion, FallEndsAtMinus1500) {
  struct Case {
    int16_t y;
    FrameResult want;
  };
  for (const Case& c : {Case{-1479, FrameResult::kNone}, Case{-1480, FrameResult::kFall}}) {
    GameState s = EmptyState(0, c.y);
    s.velY = -20;
    EXPECT_EQ(Frames(s, 1), c.want) << "y " << c.y;
    EXPECT_EQ(s.velY, -20) << "fall speed levels off";
  }
  GameState s = EmptyState(0, 50);
  int frames = 0;
  while (Frames(s, 1) == FrameResult::kNone) ++frames;
  EXPECT_LE(s.playerY, -1500);
  EXPECT_GT(s.playerY, -1520);
  EXPECT_EQ(s.frameCount, frames) << "the fall frame is not counted";
}

TEST(Motion, AirbornePoseThenWalkCycleGoesOnFromSix) {
  GameState s = FloorState();
  s.moveInput = 1;
  Frames(s, 3);
  EXPECT_EQ(s.animFrame, 3);
  s.jumpKey = kJumpPressed;
  int airborne = 0;
  Frames(s, 1);  // take-off frame still starts on the ground
  while (s.playerY > 0 || s.velY != 0) {
    Frames(s, 1);
    if (s.onGround == 0) {
      EXPECT_EQ(s.animFrame, kAirbornePose);
      ++airborne;
    } else {
      break;
    }
  }
  EXPECT_GT(airborne, 50);
  EXPECT_EQ(s.onGround, 1);
  EXPECT_EQ(s.animFrame, 6);
}

TEST(Motion, WalkCycleWrapsAtTwenty) {
  GameState s = FloorState();
  s.moveInput = -1;
  s.animFrame = 18;
  Frames(s, 1);
  EXPECT_EQ(s.animFrame, 19);
  Frames(s, 1);
  EXPECT_EQ(s.animFrame, 0);
  s.moveInput = 0;
  s.animFrame = 7;
  Frames(s, 1);
  EXPECT_EQ(s.animFrame, 0);
}

}  // namespace
}  // namespace ursa
