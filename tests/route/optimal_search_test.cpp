// The exhaustive search on small made-up stages: the reduced search finds the plain search's
// fewest frames and proves them, every route replays through the door on its last frame, and
// the door bound never promises fewer frames than a real route takes.
#include "tools/ursa-route/optimal_search.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "game/frame.hpp"
#include "game/key_feed.hpp"
#include "game/null_host.hpp"
#include "game/stage_layouts.hpp"
#include "game/stage_objects.hpp"
#include "tools/ursa-route/door_replay.hpp"
#include "tools/ursa-route/game_route.hpp"
#include "tools/ursa-route/optimal_bound.hpp"
#include "tools/ursa-route/timed_bound.hpp"

namespace ursa::route {
namespace {

void Put(GameState& s, int i, int16_t kind, int16_t x, int16_t y, int16_t a = 0, int16_t b = 0,
         int16_t vel = 0) {
  s.objKind[i] = kind;
  s.objX[i] = x;
  s.objY[i] = y;
  s.objLimitA[i] = a;
  s.objLimitB[i] = b;
  s.objVel[i] = vel;
}

// A block to start on, a sinking platform in the gap after it, a spike over that, a moving
// platform below and the door on a higher block: small enough for the plain search.
GameState SmallStage() {
  GameState s = StartedGame(1).state;
  s.blockX.fill(kParkedX);
  s.blockY.fill(0);
  s.blockX[0] = 0;
  s.blockY[0] = -150;
  s.blockX[1] = 350;
  for (int i = 0; i < kObjectCount; ++i) Put(s, i, kKindNone, kParkedX, 0);
  Put(s, 0, kKindDoor, 350, 150);
  Put(s, 1, kKindBlock3, 160, -120, -100, -120, 1);
  Put(s, 2, kKindToge, 160, 250);
  Put(s, 3, kKindBlock2, 200, -200, 100, 400, 5);
  return s;
}

int Replayed(const GameState& start, const std::vector<uint8_t>& choices) {
  Game game;
  game.state = start;
  game.screen = Screen::kPlaying;
  return PlayToDoor(game, ChoiceEvents(start, choices), 10000).value_or(-1);
}

TEST(OptimalSearch, TheReducedSearchProvesThePlainSearchsFewestFrames) {
  const GameState start = SmallStage();
  OptimalOptions plain;
  plain.reduce = false;
  plain.maxFrames = 200;
  const OptimalRoute fewest = FindOptimalRoute(start, plain, nullptr);
  ASSERT_TRUE(fewest.Proven());
  EXPECT_EQ(Replayed(start, fewest.choices), fewest.Frames());

  OptimalOptions reduced;
  reduced.maxFrames = fewest.Frames();
  const OptimalRoute found = FindOptimalRoute(start, reduced, nullptr);
  ASSERT_TRUE(found.Proven());
  EXPECT_EQ(found.Frames(), fewest.Frames());
  EXPECT_EQ(Replayed(start, found.choices), fewest.Frames());

  // One frame fewer: nothing, and that is proven.
  reduced.maxFrames = fewest.Frames() - 1;
  const OptimalRoute none = FindOptimalRoute(start, reduced, nullptr);
  EXPECT_TRUE(none.choices.empty());
  EXPECT_EQ(none.lowerBound, fewest.Frames());
}

TEST(OptimalSearch, StoppedByItsMemoryTheSearchClaimsNoMoreThanItKnows) {
  // The plain search knows only that no route ended in the frames it got through; the reduced
  // one also what its bound promises for the states it kept, never more than the fewest frames.
  OptimalOptions plain;
  plain.reduce = false;
  plain.maxFrames = 200;
  const int fewest = FindOptimalRoute(SmallStage(), plain, nullptr).Frames();
  for (const bool reduce : {false, true}) {
    OptimalOptions tight;
    tight.reduce = reduce;
    tight.maxFrames = fewest;
    // The reduced search counts its bounds too: it gets their bytes and 64 KiB for its tables.
    const std::size_t bounds =
        DoorBound::BytesFor(SmallStage(), 1) + TimedBound::BytesFor(SmallStage(), tight.maxFrames);
    tight.maxBytes = reduce ? bounds + (1 << 16) : 1 << 20;
    OptimalStats stats;
    const OptimalRoute route = FindOptimalRoute(SmallStage(), tight, &stats);
    EXPECT_TRUE(route.choices.empty());
    EXPECT_EQ(route.stop, SearchStop::kMemory);
    EXPECT_GT(stats.framesSearched, 0) << reduce;
    EXPECT_GE(route.lowerBound, stats.framesSearched + 1);
    EXPECT_LE(route.lowerBound, fewest);
    if (!reduce) {
      EXPECT_EQ(route.lowerBound, stats.framesSearched + 1);
    }
  }
}

TEST(OptimalSearch, TheDoorBoundsNeverPromiseLessThanTheParRoutesTake) {
  // Every frame of every par route: the frames the route still takes to its door are at least
  // what the door bound says, and at least what the bound by way of a sinking platform says
  // before the route's feet are over that platform; the timed bound finds it in time.
  for (int stage = kFirstStage; stage <= kLastStage; ++stage) {
    SCOPED_TRACE("stage " + std::to_string(stage));
    const std::string path = std::string(URSA_SOURCE_DIR) + "/tools/ursa-route/pars/stage" +
                             std::to_string(stage) + ".script";
    std::ifstream file(path);
    const ScriptParse script = ParseScript(file);
    ASSERT_TRUE(script.error.empty()) << path << ": " << script.error;
    Game game = StartedGame(static_cast<int16_t>(stage));
    std::vector<int> sinkers;
    for (int i = 0; i < kObjectCount; ++i) {
      if (game.state.objKind[i] == kKindBlock3) sinkers.push_back(i);
    }
    const DoorBound bound(game.state, sinkers);
    NullHost host;
    KeyFeed keys(script.events);
    std::vector<GameState> states;
    FrameResult result = FrameResult::kNone;
    for (int frame = 0; result == FrameResult::kNone && frame < 5000; ++frame) {
      states.push_back(game.state);
      keys.DeliverFrame(game, host, static_cast<uint64_t>(frame));
      result = RunFrame(game.state, host);
    }
    ASSERT_EQ(result, FrameResult::kDoor);
    const int frames = static_cast<int>(states.size());
    const TimedBound timed(states.front(), frames);
    for (int frame = 0; frame < frames; ++frame) {
      EXPECT_LE(frame + bound.FramesLeft(states[frame]), frames) << frame;
      EXPECT_TRUE(timed.InTime(states[frame], frame)) << frame;
    }
    if (stage == 7) {  // where the moving platforms' timing counts most
      EXPECT_LE(TimedBound::FewestFrames(states.front(), frames), frames);
    }
    for (std::size_t k = 0; k < sinkers.size(); ++k) {
      int over = frames;  // the first frame whose object pass has the feet over the platform
      for (int frame = 0; frame < frames && over == frames; ++frame) {
        if (std::abs(states[frame].playerX - states[frame].objX[sinkers[k]]) <= 50) over = frame;
      }
      for (int frame = 0; frame <= over && frame < frames; ++frame) {
        EXPECT_LE(frame + bound.FramesLeftTouching(k, states[frame]), frames) << frame;
      }
    }
  }
}

}  // namespace
}  // namespace ursa::route
