// Spikes: they hurt from every side within their reach, stop the object pass at once and win
// over a platform the player stands on.
#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/stage_objects.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::EmptyState;
using test::PutObject;

struct SpikeCase {
  int16_t dx;
  int16_t dy;
  bool hurts;
  friend void PrintTo(const SpikeCase& c, std::ostream* os) {
    *os << "offset (" << c.dx << ", " << c.dy << ")" << (c.hurts ? " hurts" : " safe");
  }
};

class SpikeReach : public testing::TestWithParam<SpikeCase> {};

// Spike at (400, 300); the player's feet at the given offset from it.
TEST_P(SpikeReach, HurtsOnlyStrictlyInsideItsReach) {
  const SpikeCase& c = GetParam();
  GameState s = EmptyState(static_cast<int16_t>(400 + c.dx), static_cast<int16_t>(300 + c.dy));
  PutObject(s, 5, kKindToge, 400, 300);
  NullHost host;
  EXPECT_EQ(ObjectPass(s, host), c.hurts);
}

INSTANTIATE_TEST_SUITE_P(
    Spikes, SpikeReach,
    testing::Values(SpikeCase{0, 0, true},                                 // centre
                    SpikeCase{54, 0, true},                                // right side
                    SpikeCase{55, 0, false},                               //
                    SpikeCase{-54, -60, true},                             // left side
                    SpikeCase{-55, -60, false}, SpikeCase{0, 4, true},     // from above
                    SpikeCase{0, 5, false}, SpikeCase{0, -119, true},      // from below
                    SpikeCase{0, -120, false}, SpikeCase{54, -119, true},  // corner
                    SpikeCase{-54, 4, true}));

TEST(Spikes, JumpingUpUnderASpikeKills) {
  GameState s = test::FloorState(0);
  PutObject(s, 1, kKindToge, 0, 200);
  s.jumpKey = -1;
  NullHost host;
  FrameResult result = FrameResult::kNone;
  int frames = 0;
  while (result == FrameResult::kNone && frames < 40) {
    result = RunFrame(s, host);
    ++frames;
  }
  EXPECT_EQ(result, FrameResult::kSpike);
  EXPECT_GT(s.playerY, 200 - 120);
  EXPECT_LT(s.playerY, 200);
}

TEST(Spikes, ObjectsAfterTheSpikeAndTheRestOfTheFrameDoNotRun) {
  GameState s = EmptyState(0, 0);
  PutObject(s, 1, kKindBlock2, 0, -150, -500, 500, 5);  // carries the player first
  PutObject(s, 2, kKindToge, 0, 50);
  PutObject(s, 3, kKindBlock2, 1000, 0, 500, 1500, 5);
  s.moveInput = 1;
  const int32_t frames = s.frameCount;
  NullHost host;
  EXPECT_EQ(RunFrame(s, host), FrameResult::kSpike);
  EXPECT_EQ(s.objX[1], 5) << "objects before the spike moved";
  EXPECT_EQ(s.playerX, 5) << "carried, but no horizontal input ran";
  EXPECT_EQ(s.onGround, 1);
  EXPECT_EQ(s.objX[3], 1000) << "objects after the spike stand still";
  EXPECT_EQ(s.velX, 0);
  EXPECT_EQ(s.frameCount, frames);
}

}  // namespace
}  // namespace ursa
