// Stage tables of the fifteen stages: one row per run of blocks with consecutive indexes and one
// y, one row per object, and for stage 10 a row of columns, each a block over a platform.
#include "game/stage_layouts.hpp"

#include <algorithm>
#include <array>
#include <span>

namespace ursa {

namespace {

inline constexpr int kMaxRunLength = 16;

// Blocks first..first+count-1, all at height y, with these x values in index order.
struct BlockRun {
  int16_t first;
  int16_t y;
  int16_t count;
  std::array<int16_t, kMaxRunLength> xs;
};

template <std::size_t N>
constexpr BlockRun Run(int16_t first, int16_t y, const int16_t (&xs)[N]) {
  static_assert(N <= kMaxRunLength);
  BlockRun run{first, y, static_cast<int16_t>(N), {}};
  for (std::size_t i = 0; i < N; ++i) run.xs[i] = xs[i];
  return run;
}

struct ObjectRow {
  int16_t index;
  int16_t kind;
  int16_t x;
  int16_t y;
  int16_t limitA;
  int16_t limitB;
  int16_t vel;
};

// `count` columns `spacing` apart, the first at x = firstX. Column n (from 0) holds block
// firstBlock + n at height blockY and object firstObject + n, of `kind` at height y with the
// limits and speed given.
struct ColumnRun {
  int16_t count;
  int16_t firstX;
  int16_t spacing;
  int16_t firstBlock;
  int16_t blockY;
  int16_t firstObject;
  int16_t kind;
  int16_t y;
  int16_t limitA;
  int16_t limitB;
  int16_t vel;
};

struct StageLayout {
  std::span<const BlockRun> blocks;
  std::span<const ObjectRow> objects;
  ColumnRun columns{};  // none when count is 0
  // Each sinking platform is drawn in a colour of its own, drawn from the game's generator.
  bool coloredPlatforms = false;
};

// clang-format off
constexpr BlockRun kStage1Blocks[] = {
    Run(0, -150, {0, 150, 300}),
    Run(3, 250, {0}),
    Run(4, -150, {750}),
    Run(5, 250, {-150}),
    Run(6, -150, {-150, 900, 1050}),
    Run(9, 500, {300, 450, 600}),
    Run(12, -50, {1500, 1650, 1800, 1950}),
    Run(16, -150, {-300}),
    Run(17, 500, {750, 1300, 1450}),
};
constexpr ObjectRow kStage1Objects[] = {
    {0, kKindDoor, 1800, 100, 0, 0, 0},
    {1, kKindLight, 1900, 100, 0, 0, 0},
    {2, kKindArrow, -100, 0, 0, 0, 0},
};

constexpr BlockRun kStage2Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 600, 750}),
    Run(6, 200, {1000, 1150, 1300}),
    Run(9, 500, {1550, 1700, 1850}),
    Run(12, 750, {2300, 2450}),
    Run(14, 1000, {1700, 1550, 1000, 850, -100, 350, 200, 50}),
};
constexpr ObjectRow kStage2Objects[] = {
    {0, kKindDoor, 200, 1150, 0, 0, 0},
    {1, kKindArrow, 100, 0, 0, 0, 0},
    {2, kKindLight, 50, 1150, 0, 0, 0},
};

constexpr BlockRun kStage3Blocks[] = {
    Run(0, -150, {0, 150}),
    Run(2, 250, {0, 150, 300, 450}),
    Run(6, -150, {900, 750}),
    Run(8, 250, {600, 750, 900}),
};
constexpr ObjectRow kStage3Objects[] = {
    {0, kKindDoor, 800, 0, 0, 0, 0},
    {1, kKindArrow, 100, 400, 0, 0, 0},
};

constexpr BlockRun kStage4Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 2000, 2150, 2300, 2450}),
};
constexpr ObjectRow kStage4Objects[] = {
    {0, kKindDoor, 2350, 0, 0, 0, 0},
    {1, kKindBlock2, 1000, -150, 600, 1550, -5},
    {2, kKindBlock2, 1150, -150, 750, 1700, -5},
    {3, kKindBlock2, 1300, -150, 900, 1850, -5},
    {4, kKindArrow, 100, 0, 0, 0, 0},
    {5, kKindLight, 0, 0, 0, 0, 0},
};

constexpr BlockRun kStage5Blocks[] = {
    Run(0, -150, {0, 150, 300, 450}),
    Run(4, 1000, {2000, 2150}),
};
constexpr ObjectRow kStage5Objects[] = {
    {0, kKindDoor, 2150, 1150, 0, 0, 0},
    {1, kKindBlock2, 500, 200, 500, 1000, 5},
    {2, kKindBlock2, 1250, 500, 750, 1250, -5},
    {3, kKindBlock2, 1000, 800, 1000, 1500, 5},
    {4, kKindBlock2, 650, 200, 650, 1150, 5},
    {5, kKindBlock2, 1400, 500, 900, 1400, -5},
    {6, kKindBlock2, 1150, 800, 1150, 1650, 5},
    {7, kKindLight, 2050, 1150, 0, 0, 0},
};

constexpr BlockRun kStage6Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 600, 750, 900, 1050, 1200, 1350, 1500, 1650}),
};
constexpr ObjectRow kStage6Objects[] = {
    {0, kKindDoor, 1650, 0, 0, 0, 0},
    {1, kKindToge, 400, 50, 0, 0, 0},
    {2, kKindLight, 1550, 0, 0, 0, 0},
    {3, kKindArrow, 75, 0, 0, 0, 0},
    {4, kKindToge, 800, 50, 0, 0, 0},
    {5, kKindToge, 800, 150, 0, 0, 0},
    {6, kKindToge, 1200, 50, 0, 0, 0},
    {7, kKindToge, 1200, 150, 0, 0, 0},
    {8, kKindToge, 1200, 250, 0, 0, 0},
};

constexpr BlockRun kStage7Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 2000, 2150, 2300, 2450}),
    Run(8, 200, {2700, 2850}),
};
constexpr ObjectRow kStage7Objects[] = {
    {0, kKindDoor, 2850, 350, 0, 0, 0},
    {1, kKindBlock2, 800, -150, 600, 1700, -2},
    {2, kKindBlock2, 950, -150, 750, 1850, -2},
    {3, kKindToge, 1300, 50, 0, 0, 0},
    {4, kKindToge, 1500, 400, 0, 0, 0},
    {5, kKindToge, 900, 50, 0, 0, 0},
    {6, kKindArrow, 50, 0, 0, 0, 0},
    {7, kKindLight, 2750, 350, 0, 0, 0},
    {8, kKindToge, 2500, 100, 0, 0, 0},
};

constexpr BlockRun kStage8Blocks[] = {
    Run(0, -150, {0, 150}),
    Run(2, 200, {500, 650, 1600, 1750, 3200, 3350}),
};
constexpr ObjectRow kStage8Objects[] = {
    {0, kKindDoor, 3350, 350, 0, 0, 0},
    {1, kKindBlock3, 1100, 100, 150, 100, 1},
    {2, kKindBlock3, 2200, 100, 150, 100, 1},
    {3, kKindBlock3, 2600, 100, 150, 100, 1},
    {4, kKindLight, 3275, 350, 0, 0, 0},
};

constexpr BlockRun kStage9Blocks[] = {
    Run(0, -150, {0, 150}),
    Run(2, 600, {1500, 1650, 3150, 3300, 3450, 3600}),
};
constexpr ObjectRow kStage9Objects[] = {
    {0, kKindDoor, 3600, 750, 0, 0, 0},
    {1, kKindBlock3, 500, 100, 150, 100, 1},
    {2, kKindBlock3, 900, 200, 250, 200, 1},
    {3, kKindBlock3, 1300, 300, 350, 300, 1},
    {4, kKindToge, 700, 250, 0, 0, 0},
    {5, kKindToge, 1100, 450, 0, 0, 0},
    {6, kKindArrow, 100, 0, 0, 0, 0},
    {7, kKindBlock2, 2000, 600, 1800, 3000, -10},
    {8, kKindArrow, 1550, 750, 0, 0, 0},
    {9, kKindLight, 3500, 750, 0, 0, 0},
};

// Blocks 8-10 stay empty; blocks 11-50 and objects 1-40 are the columns of the corridor.
constexpr BlockRun kStage10Blocks[] = {
    Run(0, -150, {0, 150}),
    Run(2, 150, {500, 650, 5250, 5400}),
    Run(6, 400, {5800}),
    Run(7, 700, {5500}),
};
constexpr ObjectRow kStage10Objects[] = {
    {0, kKindDoor, 1200, 850, 0, 0, 0},
    {41, kKindToge, 1000, 900, 0, 0, 0},
    {42, kKindToge, 1000, 1000, 0, 0, 0},
    {43, kKindLight, 1300, 850, 0, 0, 0},
    {44, kKindArrow, 550, 300, 0, 0, 0},
    {45, kKindToge, 2000, 900, 0, 0, 0},
    {46, kKindLight, 1100, 850, 0, 0, 0},
};
// The long corridor: a ceiling of forty blocks over forty sinking platforms, 100 apart.
constexpr ColumnRun kStage10Columns = {40, 1100, 100, 11, 700, 1, kKindBlock3, 100, 150, 100, 1};

constexpr BlockRun kStage11Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 600, 750, 900, 1050, 1200, 1350}),
    Run(10, 300, {0, 150, 300, 450, 600, 750, 900, 1050, 1200, 1350, 1400, 1550}),
};
constexpr ObjectRow kStage11Objects[] = {
    {0, kKindDoor, 1350, 0, 0, 0, 0},
    {1, kKindLight, 1250, 0, 0, 0, 0},
    {2, kKindArrow, 0, 0, 0, 0, 0},
    {3, kKindToge, 300, 20, 0, 0, 0},
    {4, kKindToge, 600, 70, 0, 0, 0},
    {5, kKindToge, 900, 120, 0, 0, 0},
    {6, kKindToge, -250, 300, 0, 0, 0},
    {7, kKindToge, 900, 20, 0, 0, 0},
};

constexpr BlockRun kStage12Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 600, 750, 900, 1050, 1200, 1350, 1500, 1650, 1800, 1950,
                  2100, 2250}),
};
constexpr ObjectRow kStage12Objects[] = {
    {0, kKindDoor, 2100, 0, 0, 0, 0},
    {1, kKindLight, 2000, 0, 0, 0, 0},
    {2, kKindToge, 1900, 50, 0, 0, 0},
    {3, kKindToge, 1900, 200, 0, 0, 0},
    {4, kKindToge, 2050, 200, 0, 0, 0},
    {5, kKindToge, 2200, 200, 0, 0, 0},
    {6, kKindToge, 300, 100, 0, 0, 0},
    {7, kKindToge, 300, 200, 0, 0, 0},
    {8, kKindToge, 300, 500, 0, 0, 0},
    {9, kKindToge, 600, 100, 0, 0, 0},
    {10, kKindToge, 750, 200, 0, 0, 0},
    {11, kKindToge, 900, 100, 0, 0, 0},
    {12, kKindToge, 1500, 100, 0, 0, 0},
    {13, kKindToge, 1650, 300, 0, 0, 0},
    {14, kKindToge, 1300, 300, 0, 0, 0},
    {15, kKindToge, 1150, 100, 0, 0, 0},
};

constexpr BlockRun kStage13Blocks[] = {
    Run(0, -150, {0, 150, 1000, 1800}),
    Run(4, 300, {2000}),
    Run(5, 500, {1300}),
};
constexpr ObjectRow kStage13Objects[] = {
    {0, kKindDoor, 1300, 650, 0, 0, 0},
};

constexpr BlockRun kStage14Blocks[] = {
    Run(0, -150, {0}),
    Run(1, 150, {0}),
    Run(2, 450, {0}),
    Run(3, 750, {0, 150, 300, 450, 600, 750, 900, 1050, 1200}),
    Run(12, 450, {1200}),
    Run(13, 150, {1200}),
    Run(14, -150, {1200}),
};
constexpr ObjectRow kStage14Objects[] = {
    {0, kKindDoor, 1200, 0, 0, 0, 0},
};

constexpr BlockRun kStage15Blocks[] = {
    Run(0, -150, {0, 150, 300, 450, 600, 750}),
    Run(6, 250, {150, 600, 300, 450}),
    Run(10, 650, {300, 450}),
};
constexpr ObjectRow kStage15Objects[] = {
    {0, kKindDoor, 400, 800, 0, 0, 0},
    {1, kKindLight, 500, 800, 0, 0, 0},
};
// clang-format on

constexpr std::array<StageLayout, kLastStage> kStages = {{
    {kStage1Blocks, kStage1Objects},
    {kStage2Blocks, kStage2Objects},
    {kStage3Blocks, kStage3Objects},
    {kStage4Blocks, kStage4Objects},
    {kStage5Blocks, kStage5Objects},
    {kStage6Blocks, kStage6Objects},
    {kStage7Blocks, kStage7Objects},
    {kStage8Blocks, kStage8Objects},
    {kStage9Blocks, kStage9Objects},
    {kStage10Blocks, kStage10Objects, kStage10Columns, true},
    {kStage11Blocks, kStage11Objects},
    {kStage12Blocks, kStage12Objects},
    {kStage13Blocks, kStage13Objects},
    {kStage14Blocks, kStage14Objects},
    {kStage15Blocks, kStage15Objects},
}};

constexpr int BlockCount(const StageLayout& layout) {
  int count = layout.columns.count;
  for (const BlockRun& run : layout.blocks) count += run.count;
  return count;
}

constexpr bool RunsFitTheTable(const StageLayout& layout) {
  for (const BlockRun& run : layout.blocks) {
    if (run.first < 0 || run.first + run.count > kBlockCount) return false;
  }
  for (const ObjectRow& row : layout.objects) {
    if (row.index < 0 || row.index >= kObjectCount) return false;
  }
  const ColumnRun& c = layout.columns;
  return c.count == 0 || (c.firstBlock >= 0 && c.firstBlock + c.count <= kBlockCount &&
                          c.firstObject > 0 && c.firstObject + c.count <= kObjectCount);
}

constexpr bool AllStagesFit() {
  return std::all_of(kStages.begin(), kStages.end(), [](const StageLayout& layout) {
    return RunsFitTheTable(layout) && !layout.objects.empty() && layout.objects[0].index == 0 &&
           layout.objects[0].kind == kKindDoor;
  });
}

static_assert(AllStagesFit(), "every run must fit the tables and object 0 must be the door");
static_assert(BlockCount(kStages[0]) == 20 && BlockCount(kStages[9]) == 48 &&
              BlockCount(kStages[13]) == 15);

void ClearTables(GameState& s) {
  s.blockX.fill(kParkedX);
  s.blockY.fill(0);
  s.objX.fill(kParkedX);
  s.objY.fill(0);
  s.objKind.fill(kKindNone);
  s.objLimitA.fill(0);
  s.objLimitB.fill(0);
  s.objVel.fill(0);
}

void WriteColumns(GameState& s, const ColumnRun& c) {
  for (int n = 0; n < c.count; ++n) {
    const auto x = static_cast<int16_t>(c.firstX + c.spacing * n);
    s.blockX[c.firstBlock + n] = x;
    s.blockY[c.firstBlock + n] = c.blockY;
    const int obj = c.firstObject + n;
    s.objKind[obj] = c.kind;
    s.objX[obj] = x;
    s.objY[obj] = c.y;
    s.objLimitA[obj] = c.limitA;
    s.objLimitB[obj] = c.limitB;
    s.objVel[obj] = c.vel;
  }
}

void WriteLayout(GameState& s, const StageLayout& layout) {
  for (const BlockRun& run : layout.blocks) {
    for (int k = 0; k < run.count; ++k) {
      s.blockX[run.first + k] = run.xs[k];
      s.blockY[run.first + k] = run.y;
    }
  }
  for (const ObjectRow& row : layout.objects) {
    s.objKind[row.index] = row.kind;
    s.objX[row.index] = row.x;
    s.objY[row.index] = row.y;
    s.objLimitA[row.index] = row.limitA;
    s.objLimitB[row.index] = row.limitB;
    s.objVel[row.index] = row.vel;
  }
  WriteColumns(s, layout.columns);
}

}  // namespace

void LoadStageLayout(GameState& s) {
  ClearTables(s);
  if (s.stage < kFirstStage || s.stage > kLastStage) return;
  WriteLayout(s, kStages[s.stage - kFirstStage]);
}

bool ColoredPlatforms(int stage) {
  return stage >= kFirstStage && stage <= kLastStage &&
         kStages[stage - kFirstStage].coloredPlatforms;
}

void PlacePlayerAtStart(GameState& s) {
  s.playerX = 0;
  s.playerY = 50;
  s.velX = 0;
  s.velY = 0;
  s.animFrame = 0;
  s.moveInput = 0;
  s.jumpKey = 0;
}

}  // namespace ursa
