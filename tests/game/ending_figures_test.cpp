// Clear time and score of the ending, including scores far below zero.
// From 66 misses up the score is below -32768, out of reach of a 16-bit sum.
#include "game/ending_figures.hpp"

#include <gtest/gtest.h>

namespace ursa {
namespace {

TEST(EndingFigures, TimeIsTenthsOfFramesRoundedDownAndScoreIsWide) {
  struct Case {
    int32_t frames;
    int16_t misses;
    int32_t wantTime;
    int64_t wantScore;
  };
  const Case cases[] = {
      {25, 0, 2, 9998},
      {9, 0, 0, 10000},
      {0, 0, 0, 10000},
      {90000, 3, 9000, -500},
      {0, 65, 0, -22500},
      {0, 66, 0, -23000},  // 500 x 66 does not fit 16 bits
      {2147483647, 32767, 214748364, 10000 - 16383500 - 214748364},
  };
  for (const Case& c : cases) {
    GameState s;
    s.frameCount = c.frames;
    s.missCount = c.misses;
    EXPECT_EQ(ClearTime(s), c.wantTime) << c.frames << " frames";
    EXPECT_EQ(Score(s), c.wantScore) << c.frames << " frames, " << c.misses << " misses";
  }
}

}  // namespace
}  // namespace ursa
