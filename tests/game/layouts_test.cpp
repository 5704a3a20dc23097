// Stage layouts: entries per stage, the empty stages, stage 10's corridor, the mover
// limits every layout must keep, and a restart that puts every mover back.
#include <gtest/gtest.h>

#include "game/stage_layouts.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::StageState;

int UsedBlocks(const GameState& s) {
  return static_cast<int>(
      std::count_if(s.blockX.begin(), s.blockX.end(), [](int16_t x) { return x != kParkedX; }));
}

int UsedObjects(const GameState& s) {
  return static_cast<int>(
      std::count_if(s.objKind.begin(), s.objKind.end(), [](int16_t k) { return k != kKindNone; }));
}

bool IsEmpty(const GameState& s) {
  for (int i = 0; i < kBlockCount; ++i) {
    if (s.blockX[i] != kParkedX || s.blockY[i] != 0) return false;
  }
  for (int i = 0; i < kObjectCount; ++i) {
    if (s.objX[i] != kParkedX || s.objY[i] != 0 || s.objKind[i] != 0 || s.objLimitA[i] != 0 ||
        s.objLimitB[i] != 0 || s.objVel[i] != 0) {
      return false;
    }
  }
  return true;
}

TEST(Layouts, EveryStageHasItsNumberOfBlocksAndObjects) {
  struct Count {
    int16_t stage;
    int blocks;
    int objects;
  };
  const Count counts[] = {{1, 20, 3},  {2, 22, 3},   {3, 11, 2}, {4, 8, 6},   {5, 6, 8},
                          {6, 12, 9},  {7, 10, 9},   {8, 8, 5},  {9, 8, 10},  {10, 48, 47},
                          {11, 22, 8}, {12, 16, 16}, {13, 6, 1}, {14, 15, 1}, {15, 12, 2}};
  for (const Count& c : counts) {
    const GameState s = StageState(c.stage);
    EXPECT_EQ(UsedBlocks(s), c.blocks) << "stage " << c.stage;
    EXPECT_EQ(UsedObjects(s), c.objects) << "stage " << c.stage;
    EXPECT_EQ(s.blockX[0], 0) << "stage " << c.stage;
    EXPECT_EQ(s.blockY[0], -150) << "stage " << c.stage;
    EXPECT_EQ(s.objKind[0], kKindDoor) << "stage " << c.stage;
    EXPECT_EQ(std::count(s.objKind.begin(), s.objKind.end(), kKindDoor), 1);
  }
}

TEST(Layouts, MoversReachTheirLimitsInWholeStepsAndOthersHaveNone) {
  for (int16_t stage = kFirstStage; stage <= kLastStage; ++stage) {
    const GameState s = StageState(stage);
    for (int i = 0; i < kObjectCount; ++i) {
      const int kind = s.objKind[i];
      if (kind == kKindBlock2 || kind == kKindBlock3) {
        const int start = kind == kKindBlock2 ? s.objX[i] : s.objY[i];
        ASSERT_NE(s.objVel[i], 0);
        EXPECT_EQ((start - s.objLimitA[i]) % s.objVel[i], 0) << stage << "/" << i;
        EXPECT_EQ((start - s.objLimitB[i]) % s.objVel[i], 0) << stage << "/" << i;
      } else {
        EXPECT_EQ(s.objLimitA[i] | s.objLimitB[i] | s.objVel[i], 0) << stage << "/" << i;
      }
    }
  }
}

// Rows whose values are easy to mistype: out-of-order x values and odd heights.
TEST(Layouts, IrregularRowsKeepTheirIndexOrder) {
  struct Entry {
    int16_t stage;
    int index;
    int16_t x;
    int16_t y;
  };
  const Entry blocks[] = {{1, 12, 1500, -50},  {1, 19, 1450, 500},  {2, 18, -100, 1000},
                          {2, 21, 50, 1000},   {3, 6, 900, -150},   {10, 6, 5800, 400},
                          {11, 20, 1400, 300}, {14, 12, 1200, 450}, {15, 7, 600, 250},
                          {15, 8, 300, 250}};
  for (const Entry& e : blocks) {
    const GameState s = StageState(e.stage);
    EXPECT_EQ(s.blockX[e.index], e.x) << "stage " << e.stage << " block " << e.index;
    EXPECT_EQ(s.blockY[e.index], e.y) << "stage " << e.stage << " block " << e.index;
  }
}

TEST(Layouts, StageTenCorridorFillsBlocks11To50AndObjects1To40) {
  const GameState s = StageState(10);
  for (int i : {8, 9, 10, 51}) EXPECT_EQ(s.blockX[i], kParkedX) << "block " << i;
  // The first and the last column: a ceiling block over a sinking platform.
  for (const auto& [block, object, x] : {std::tuple{11, 1, 1100}, std::tuple{50, 40, 5000}}) {
    EXPECT_EQ(std::tie(s.blockX[block], s.blockY[block]), std::make_tuple(x, 700));
    EXPECT_EQ(std::tie(s.objKind[object], s.objX[object], s.objY[object], s.objLimitA[object],
                       s.objLimitB[object], s.objVel[object]),
              std::make_tuple(kKindBlock3, x, 100, 150, 100, 1));
  }
  EXPECT_EQ(s.objKind[41], kKindToge);
  EXPECT_EQ(s.objKind[46], kKindLight);
  EXPECT_EQ(s.objKind[47], kKindNone);
}

TEST(Layouts, OtherStageNumbersAreEmptyAndLoadingClearsOldEntries) {
  for (int16_t stage : {int16_t{0}, int16_t{16}, int16_t{17}, int16_t{-3}, int16_t{32767}}) {
    GameState s = StageState(10);
    s.stage = stage;
    LoadStageLayout(s);
    EXPECT_TRUE(IsEmpty(s)) << "stage " << stage;
  }
  GameState s = StageState(10);
  s.stage = 13;
  LoadStageLayout(s);
  EXPECT_EQ(UsedBlocks(s), 6);
  EXPECT_EQ(UsedObjects(s), 1);
  EXPECT_EQ(s.objVel[5], 0);
}

TEST(Layouts, PlayerStartsAtRestWithNoKeysButKeepsTheCounters) {
  GameState s;
  s.stage = 5;
  s.missCount = 7;
  s.frameCount = 99;
  s.onGround = 1;
  s.playerX = 123;
  s.playerY = -4;
  s.velX = 9;
  s.velY = -20;
  s.animFrame = 13;
  s.moveInput = -1;
  s.jumpKey = -2;
  PlacePlayerAtStart(s);
  EXPECT_EQ(std::tie(s.playerX, s.playerY, s.velX, s.velY, s.animFrame, s.moveInput, s.jumpKey),
            std::make_tuple(0, 50, 0, 0, 0, 0, 0));
  EXPECT_EQ(std::tie(s.stage, s.missCount, s.frameCount, s.onGround), std::make_tuple(5, 7, 99, 1));
}

TEST(Layouts, RestartingStageFourPutsTheMoversBack) {
  Game game;
  game.state.stage = 4;
  test::RecordingHost host(game);
  bool checked = false;
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind != PumpKind::kWaiting) return;
    if (test::FramesRun(host) == 77) {
      ASSERT_NE(g.state.objX[2], 1150);
      g.state.playerY = -1490;  // push the player out of the stage
      g.state.velY = -20;
    } else if (g.state.missCount == 1 && !checked) {
      checked = true;
      EXPECT_EQ(g.state.objX[1], 1000);
      EXPECT_EQ(g.state.objX[2], 1150);
      EXPECT_EQ(g.state.objX[3], 1300);
      for (int i = 1; i <= 3; ++i) EXPECT_EQ(g.state.objVel[i], -5);
      KeyDown(g, host, kKeyEsc);
    }
  };
  PlayToScreen(game, host);
  EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace ursa
