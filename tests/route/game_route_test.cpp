// Stage after stage: legs searched from the state the previous door left, and their script
// replayed by ursa-sim across the door, held keys and frame numbering included.
#include "tools/ursa-route/game_route.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "tests/sim_runner.hpp"

namespace ursa::route {
namespace {

TEST(GameRoute, TwoStagesReplayInUrsaSimAcrossTheDoor) {
  SearchOptions options;
  options.beamWidth = 500;
  int heard = 0;
  const std::vector<StageLeg> legs =
      FindGameRoute(1, 2, {4}, options, [&](const StageLeg& leg) { heard += leg.stage; });
  ASSERT_EQ(legs.size(), 2U);
  EXPECT_EQ(heard, 1 + 2);
  EXPECT_EQ(legs[0].framesPerStep, 4);

  const std::string text = ScriptText(legs);
  const int frames = legs[0].route.frames + legs[1].route.frames;
  std::istringstream lines(text);
  std::string first;
  std::getline(lines, first);
  EXPECT_EQ(first, "# Stage 1: frames 0 to " + std::to_string(legs[0].route.frames - 1) +
                       ", through the door at frame " + std::to_string(legs[0].route.frames - 1));
  EXPECT_NE(text.find("\n# Stage 2: frames " + std::to_string(legs[0].route.frames) + " to " +
                      std::to_string(frames - 1)),
            std::string::npos)
      << text;

  const std::string script = test::WriteTemp("two_stages.script", text);
  const test::SimRun run = test::RunSim("play --frames " + std::to_string(frames) + " " + script);
  std::remove(script.c_str());
  ASSERT_EQ(run.status, 0) << run.err;
  // The door of stage 2 on the last allowed frame: stage 3 has started, no miss, and every
  // frame but the two door frames counted.
  EXPECT_EQ(run.out, "end limit stage=3 miss=0 frames=" + std::to_string(frames - 2) +
                         " time=" + std::to_string((frames - 2) / 10) +
                         " score=" + std::to_string(10000 - (frames - 2) / 10) + "\n");
}

TEST(GameRoute, KeepsTheLegsBeforeAStageThatResists) {
  // Past the door of stage 15 there is only the empty ending stage, with no door to reach.
  SearchOptions options;
  options.beamWidth = 500;
  const std::vector<StageLeg> legs = FindGameRoute(15, 16, {4, 2}, options, nullptr);
  ASSERT_EQ(legs.size(), 1U);
  EXPECT_EQ(legs[0].stage, 15);
  Game game = StartedGame(15);
  EXPECT_TRUE(PlayStageRoute(game, legs[0].route));
  EXPECT_EQ(game.state.stage, 16);
}

}  // namespace
}  // namespace ursa::route
