// The par table against its routes: every stage's par script, played by ursa-sim from the
// stage's start, goes through the door on exactly the par's frame and misses nothing before.
#include "game/par_times.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

using test::Fields;

TEST(ParTimes, EveryParScriptGoesThroughTheDoorOnItsParFrame) {
  for (const StagePar& par : StagePars()) {
    SCOPED_TRACE("stage " + std::to_string(par.stage));
    const std::string script = std::string(URSA_SOURCE_DIR) + "/tools/ursa-route/pars/stage" +
                               std::to_string(par.stage) + ".script";
    const test::SimRun run = test::RunSim("trace --stage " + std::to_string(par.stage) +
                                          " --frames " + std::to_string(par.frames) + " " + script);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(par.frames) + 1);
    for (int frame = 0; frame + 1 < par.frames; ++frame) {
      ASSERT_EQ(Fields(lines[frame]).back(), "-") << lines[frame];
    }
    const std::vector<std::string> door = Fields(lines[par.frames - 1]);
    EXPECT_EQ(door.back(), "door");
    EXPECT_EQ(door[1], std::to_string(par.stage + 1));
    EXPECT_LE(par.lowerBound, par.frames);
    EXPECT_GT(par.lowerBound, 0);
  }
}

TEST(ParTimes, TheTableHoldsEachStageOnceInOrderAndTheTotalIsTheirSum) {
  int32_t total = 0;
  for (int stage = kFirstStage; stage <= kLastStage; ++stage) {
    EXPECT_EQ(ParOf(stage).stage, stage);
    total += ParOf(stage).frames;
  }
  EXPECT_EQ(ParTotalFrames(), total);
  EXPECT_THROW(ParOf(16), std::out_of_range);
}

}  // namespace
}  // namespace ursa
