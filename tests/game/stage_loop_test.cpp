// The stepped game's stage and frame loops over a recording host: misses, doors, the ending, Esc
// between frames, pacing by the tick and the order of the host calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "game/ending_figures.hpp"
#include "game/player_motion.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::FramesRun;
using test::RecordingHost;

Game GameAt(int16_t stage, int16_t misses = 0) {
  Game game;
  game.state.stage = stage;
  game.state.missCount = misses;
  return game;
}

// Ends play once `frames` frames have run by pressing Esc between frames.
void EscAfter(RecordingHost& host, int frames) {
  host.onPump = [&host, frames](Game& game, PumpKind kind) {
    if (kind != PumpKind::kDeath && kind != PumpKind::kLeaving && FramesRun(host) == frames) {
      KeyDown(game, host, kKeyEsc);
    }
  };
}

std::vector<std::string> Without(const std::vector<std::string>& log, const std::string& entry) {
  std::vector<std::string> out;
  std::copy_if(log.begin(), log.end(), std::back_inserter(out),
               [&](const std::string& e) { return e.rfind(entry, 0) != 0; });
  return out;
}

TEST(StageLoop, AFallCostsOneMissAndRebuildsTheSameStage) {
  Game game = GameAt(20);  // no layout: the player falls at once
  RecordingHost host(game);
  int fallFrame = -1;
  host.onPump = [&](Game& g, PumpKind kind) {
    if (fallFrame < 0 && !host.frames.empty() && host.frames.back() == FrameResult::kFall) {
      fallFrame = FramesRun(host);
      EXPECT_EQ(g.state.missCount, 1);
      EXPECT_EQ(g.state.playerY, 50);
      EXPECT_EQ(g.state.velY, 0);
      EXPECT_EQ(kind, PumpKind::kWaiting) << "a new stage starts by waiting for the tick";
      KeyDown(g, host, kKeyEsc);
    }
  };
  PlayToScreen(game, host);
  ASSERT_GT(fallFrame, 0);
  EXPECT_EQ(game.state.stage, 20);
  EXPECT_EQ(game.state.missCount, 1);
  EXPECT_EQ(game.state.frameCount, fallFrame - 1) << "the fall frame is not counted";
  EXPECT_EQ(host.Count("hud 20"), 2);
  EXPECT_EQ(host.Count("build 20"), 2);
  EXPECT_EQ(host.Count("frame fall miss 0"), 1) << "the frame reports the misses before it";
  EXPECT_EQ(game.screen, Screen::kTitle);
}

TEST(StageLoop, ADoorBuildsTheNextStageAndStageSixteenShowsTheEnding) {
  Game game = GameAt(15, 3);
  RecordingHost host(game);
  host.logPumps = false;
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kWaiting && FramesRun(host) == 0) {
      g.state.playerX = 400;  // on the top ledge, in front of the door
      g.state.playerY = 800;
      KeyDown(g, host, kKeySpace);
    }
  };
  PlayToScreen(game, host);
  EXPECT_EQ(game.state.stage, 16);
  EXPECT_EQ(game.state.missCount, 3);
  EXPECT_EQ(game.state.running, kFalse);
  EXPECT_EQ(game.screen, Screen::kEnding);
  const std::vector<std::string> want = {
      "show",     "hud 15",  "build 15", "frame door miss 3", "hud 16",
      "build 16", "release", "hide",     "pump leaving",      "ending 0"};
  EXPECT_EQ(host.log, want);
}

TEST(StageLoop, EnteringAtStageSixteenBuildsOnceAndShowsTheEnding) {
  Game game = GameAt(16, 2);
  game.state.frameCount = 25;
  RecordingHost host(game);
  PlayToScreen(game, host);
  const std::vector<std::string> want = {"show", "hud 16",       "build 16", "release",
                                         "hide", "pump leaving", "ending 25"};
  EXPECT_EQ(host.log, want);
  EXPECT_TRUE(host.frames.empty());
}

TEST(StageLoop, EscReturnsToTheTitleWithoutAnotherFrameOrAMiss) {
  for (PumpKind escIn : {PumpKind::kWaiting, PumpKind::kAfterFrame}) {
    Game game = GameAt(1);
    RecordingHost host(game);
    host.onPump = [&](Game& g, PumpKind kind) {
      if (kind == escIn && FramesRun(host) == 5) KeyDown(g, host, kKeyEsc);
    };
    PlayToScreen(game, host);
    EXPECT_EQ(host.frames.size(), 5U);
    EXPECT_EQ(game.state.missCount, 0);
    EXPECT_EQ(game.state.stage, 1);
    EXPECT_EQ(game.state.frameCount, 5);
    EXPECT_EQ(game.screen, Screen::kTitle);
    const std::vector<std::string> tail(host.log.end() - 4, host.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"release", "hide", "pump leaving", "title"}));
    EXPECT_EQ(host.endProgramCalls, 0);
  }
}

TEST(StageLoop, EveryFrameWaitsForTheNextTick) {
  Game game = GameAt(1);
  RecordingHost host(game);
  EscAfter(host, 4);
  PlayToScreen(game, host);
  EXPECT_EQ(host.frameStartsMs, (std::vector<int64_t>{20, 40, 60, 80}));
  std::vector<std::string> play = Without(Without(host.log, "hud"), "build");
  play.resize(10);
  const std::vector<std::string> want = {
      "show",           "pump waiting", "frame - miss 0", "pump after",     "pump waiting",
      "frame - miss 0", "pump after",   "pump waiting",   "frame - miss 0", "pump after"};
  EXPECT_EQ(play, want);
}

TEST(StageLoop, ASlowFrameDelaysTheNextInsteadOfCatchingUp) {
  Game game = GameAt(1);
  RecordingHost host(game);
  host.frameCostMs = 50;
  EscAfter(host, 3);
  PlayToScreen(game, host);
  // Each frame ends 50 ms after it started; the next starts at the following tick boundary.
  EXPECT_EQ(host.frameStartsMs, (std::vector<int64_t>{20, 80, 140}));
}

TEST(StageLoop, ASpikePlaysTheDeathSequenceThenCountsTheMiss) {
  Game game = GameAt(6);
  RecordingHost host(game);
  host.logPumps = false;
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kDeath) {
      EXPECT_EQ(g.screen, Screen::kDying);
      EXPECT_EQ(g.state.missCount, 0) << "the miss comes after the sequence";
    }
    if (kind == PumpKind::kWaiting && FramesRun(host) == 0) KeyDown(g, host, kKeyRight);
    if (kind == PumpKind::kWaiting && g.state.missCount == 1) KeyDown(g, host, kKeyEsc);
  };
  PlayToScreen(game, host);
  EXPECT_EQ(host.deathFrames, 201);
  EXPECT_EQ(game.state.deathTimer, 201);
  EXPECT_EQ(game.state.missCount, 1);
  EXPECT_EQ(host.frames.back(), FrameResult::kSpike);
  const auto spike = std::find(host.log.begin(), host.log.end(), "frame spike miss 0");
  ASSERT_NE(spike, host.log.end());
  EXPECT_EQ(*(spike + 1), "hud 6") << "no frame runs between the spike and the rebuild";
}

TEST(StageLoop, QuitInsideAPumpReturnsAtOnce) {
  for (PumpKind quitIn :
       {PumpKind::kWaiting, PumpKind::kAfterFrame, PumpKind::kDeath, PumpKind::kLeaving}) {
    Game game = GameAt(6);
    RecordingHost host(game);
    host.onPump = [&](Game& g, PumpKind kind) {
      if (g.quit) return;
      if (kind == PumpKind::kWaiting && FramesRun(host) == 0) KeyDown(g, host, kKeyRight);
      if (quitIn == PumpKind::kLeaving && kind == PumpKind::kAfterFrame) {
        KeyDown(g, host, kKeyEsc);
      }
      if (kind == quitIn) QueryUnload(g, host);
    };
    PlayToScreen(game, host);
    EXPECT_TRUE(game.quit);
    EXPECT_EQ(host.log.back(), "end program") << RecordingHost::Name(quitIn);
    EXPECT_EQ(host.Count("title"), 0);
  }
}

TEST(StageLoop, CountersStopAtTheTopOfTheirRange) {
  Game game = GameAt(20, std::numeric_limits<int16_t>::max());
  game.state.frameCount = std::numeric_limits<int32_t>::max() - 2;
  RecordingHost host(game);
  host.logPumps = false;
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kWaiting && !host.frames.empty() &&
        host.frames.back() == FrameResult::kFall) {
      KeyDown(g, host, kKeyEsc);
    }
  };
  PlayToScreen(game, host);
  EXPECT_EQ(game.state.missCount, std::numeric_limits<int16_t>::max());
  EXPECT_EQ(game.state.frameCount, std::numeric_limits<int32_t>::max());
  EXPECT_LT(Score(game.state), -16'000'000) << "score stays negative, no wrap";
}

}  // namespace
}  // namespace ursa
