// The stage search and its polish, on the real rules: stage 1 is found and replays through its
// door, polishing never costs frames, and a stage without a reachable door is given up.
#include "tools/ursa-route/stage_search.hpp"

#include <gtest/gtest.h>

#include "game/frame.hpp"
#include "game/null_host.hpp"
#include "tools/ursa-route/game_route.hpp"
#include "tools/ursa-route/route_polish.hpp"

namespace ursa::route {
namespace {

SearchOptions SmallBeam() {
  SearchOptions options;
  options.beamWidth = 500;
  options.framesPerStep = 4;
  return options;
}

TEST(StageSearch, FindsStageOneAndTheRouteReplaysThroughTheDoor) {
  const Game start = StartedGame(1);
  SearchStats stats;
  const std::optional<StageRoute> route = FindStageRoute(start, 0, SmallBeam(), &stats);
  ASSERT_TRUE(route.has_value());
  EXPECT_GT(stats.framesRun, route->frames);
  // The shortest way runs right over two gaps: about 1800 units at 15 a frame.
  EXPECT_GE(route->frames, 1800 / 15);
  EXPECT_LT(route->frames, 200);
  ASSERT_FALSE(route->events.empty());
  EXPECT_LT(route->events.back().frame, route->frames);

  Game game = start;
  ASSERT_TRUE(PlayStageRoute(game, *route));
  EXPECT_EQ(game.state.stage, 2);
  EXPECT_EQ(game.state.missCount, 0);
  EXPECT_EQ(game.state.frameCount, route->frames - 1) << "the door frame is not counted";
  EXPECT_EQ(game.state.playerX, 0) << "the next stage has started";
}

TEST(StageSearch, PlayingARouteRefusesAnEarlyOrMissingDoor) {
  const Game start = StartedGame(1);
  const std::optional<StageRoute> route = FindStageRoute(start, 0, SmallBeam(), nullptr);
  ASSERT_TRUE(route.has_value());

  StageRoute longer = *route;
  ++longer.frames;
  Game game = start;
  EXPECT_FALSE(PlayStageRoute(game, longer));

  StageRoute noPress = *route;
  while (!noPress.events.empty() && noPress.events.back().keyCode != kKeySpace) {
    noPress.events.pop_back();
  }
  ASSERT_FALSE(noPress.events.empty());
  noPress.events.pop_back();
  game = start;
  EXPECT_FALSE(PlayStageRoute(game, noPress));
  EXPECT_EQ(game.state.stage, 1);
}

TEST(StageSearch, PolishingRemovesKeyChangesWithoutALaterDoor) {
  const Game start = StartedGame(2);
  // Without a price on key events the beam keeps needless ones for the polish to remove.
  SearchOptions options = SmallBeam();
  options.keyEventCost = 0;
  options.polish = false;
  const std::optional<StageRoute> rough = FindStageRoute(start, 0, options, nullptr);
  options.polish = true;
  const std::optional<StageRoute> polished = FindStageRoute(start, 0, options, nullptr);
  ASSERT_TRUE(rough.has_value());
  ASSERT_TRUE(polished.has_value());
  EXPECT_LE(polished->frames, rough->frames);
  EXPECT_LT(polished->events.size(), rough->events.size());
  Game game = start;
  EXPECT_TRUE(PlayStageRoute(game, *polished));
}

TEST(StageSearch, AStageWithoutAWayToItsDoorIsGivenUp) {
  // Stage 0 has empty tables: nothing to stand on, the door parked far away.
  SearchStats stats;
  EXPECT_FALSE(FindStageRoute(StartedGame(0), 0, SmallBeam(), &stats).has_value());
  EXPECT_LT(stats.steps, 100) << "every branch falls out of the stage early";
}

TEST(RoutePolish, PlanReplayMeetsTheDoorWhereUrsaSimDoes) {
  // The demo script, one choice per frame: Right from frame 0, Space at frames 10, 69 and 125;
  // ursa-sim trace shows its door at frame 125.
  constexpr uint8_t kRight = 2;
  constexpr uint8_t kRightSpace = 5;
  ChoicePlan demo{std::vector<uint8_t>(126, kRight), 1, 0};
  for (const int press : {10, 69, 125}) demo.choices[press] = kRightSpace;
  EXPECT_EQ(PlanDoorFrames(StartedGame(1), demo), 126);

  demo.choices.pop_back();
  EXPECT_FALSE(PlanDoorFrames(StartedGame(1), demo).has_value()) << "the plan ends first";

  // Holding Left runs off the floor's left end: a fall, not a door.
  const ChoicePlan left{std::vector<uint8_t>(200, 0), 1, 0};
  EXPECT_FALSE(PlanDoorFrames(StartedGame(1), left).has_value());
}

}  // namespace
}  // namespace ursa::route
