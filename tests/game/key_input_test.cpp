// The key handlers and the mended behaviours: Enter restarts the stage in play, Esc never
// quits from inside a game, Esc in the death sequence is kept, the ending keeps its figures.
#include <gtest/gtest.h>

#include "game/player_motion.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

using test::FramesRun;
using test::RecordingHost;

struct KeyStep {
  int key;
  bool down;
  int16_t wantMove;
  int16_t wantJump;
};

// Each row runs a sequence of key events from a fresh state and checks the inputs after each.
TEST(KeyInput, DirectionAndJumpKeysFollowTheirRules) {
  const std::vector<std::vector<KeyStep>> sequences = {
      // Right while Left is held wins; releasing Left keeps Right.
      {{kKeyLeft, true, -1, 0},
       {kKeyRight, true, 1, 0},
       {kKeyLeft, false, 1, 0},
       {kKeyRight, false, 0, 0}},
      // Releasing the direction not in force changes nothing.
      {{kKeyRight, true, 1, 0}, {kKeyLeft, false, 1, 0}},
      // A held jump key repeats without re-arming once used.
      {{kKeyUp, true, 0, kJumpPressed}, {kKeyUp, true, 0, kJumpPressed}},
      // Up and Space share the jump: releasing either re-arms it.
      {{kKeySpace, true, 0, kJumpPressed},
       {kKeyUp, true, 0, kJumpPressed},
       {kKeyUp, false, 0, kJumpReleased},
       {kKeySpace, true, 0, kJumpPressed}},
  };
  for (std::size_t row = 0; row < sequences.size(); ++row) {
    Game game;
    game.screen = Screen::kPlaying;
    RecordingHost host(game);
    for (const KeyStep& step : sequences[row]) {
      if (step.down) {
        KeyDown(game, host, step.key);
      } else {
        KeyUp(game, step.key);
      }
      EXPECT_EQ(game.state.moveInput, step.wantMove) << "row " << row;
      EXPECT_EQ(game.state.jumpKey, step.wantJump) << "row " << row;
    }
  }
}

TEST(KeyInput, AUsedJumpIsNotReArmedByRepeats) {
  Game game;
  RecordingHost host(game);
  game.state.jumpKey = kJumpUsed;
  KeyDown(game, host, kKeySpace);
  EXPECT_EQ(game.state.jumpKey, kJumpUsed);
  KeyUp(game, kKeySpace);
  KeyDown(game, host, kKeySpace);
  EXPECT_EQ(game.state.jumpKey, kJumpPressed);
}

TEST(KeyInput, EnterOnTheTitleStartsAGameWithFrameCountZero) {
  Game game;
  game.state.stage = 3;
  game.state.missCount = 4;
  game.state.frameCount = 999;
  RecordingHost host(game);
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kAfterFrame && FramesRun(host) == 2) KeyDown(g, host, kKeyEsc);
  };
  PlayFromTitle(game, host);
  EXPECT_EQ(game.state.frameCount, 2);
  EXPECT_EQ(game.state.stage, 3);
  EXPECT_EQ(game.state.missCount, 4);
  EXPECT_EQ(game.screen, Screen::kTitle);
}

TEST(Deviations, EnterDuringPlayRestartsTheStageWithoutNesting) {
  Game game;
  game.state.stage = 4;
  game.state.missCount = 2;
  RecordingHost host(game);
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind != PumpKind::kAfterFrame) return;
    if (FramesRun(host) == 1) KeyDown(g, host, kKeyRight);
    if (FramesRun(host) == 30) {
      ASSERT_NE(g.state.objX[1], 1000);
      host.Press(kKeyEnter);
      host.Press(kKeyLeft);  // a later key of the same pump acts on the rebuilt stage
    }
    if (FramesRun(host) == 35) {
      EXPECT_LT(g.state.playerX, 0);
      KeyDown(g, host, kKeyEsc);
    }
  };
  PlayFromTitle(game, host);
  EXPECT_EQ(game.state.frameCount, 5);
  EXPECT_EQ(game.state.missCount, 2);
  EXPECT_EQ(host.Count("build 4"), 2);
  EXPECT_EQ(host.Count("show"), 1) << "one game only";
  EXPECT_EQ(host.Count("title"), 1);
  EXPECT_EQ(game.screen, Screen::kTitle);
}

TEST(Deviations, EscThenEnterInOnePumpGoesOnPlaying) {
  Game game;
  game.state.stage = 1;
  RecordingHost host(game);
  bool pressed = false;
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kWaiting && FramesRun(host) == 3 && !pressed) {
      pressed = true;
      KeyDown(g, host, kKeyEsc);
      KeyDown(g, host, kKeyEnter);
    }
    if (kind == PumpKind::kAfterFrame && FramesRun(host) == 6) KeyDown(g, host, kKeyEsc);
  };
  PlayFromTitle(game, host);
  EXPECT_EQ(host.frames.size(), 6U);
  EXPECT_EQ(game.state.frameCount, 3);
}

// A key only asks: the stage start Enter asks for in play, and the title it asks for on the
// ending, are drawn and built by the next step, never inside the key.
TEST(KeyInput, EnterLeavesItsWorkToTheNextStep) {
  Game game;
  game.state.stage = 2;
  RecordingHost host(game);
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind != PumpKind::kAfterFrame) return;
    if (FramesRun(host) == 3) {
      KeyDown(g, host, kKeyEnter);
      host.log.emplace_back("enter taken");
    }
    if (FramesRun(host) == 6) KeyDown(g, host, kKeyEsc);
  };
  PlayFromTitle(game, host);
  const auto taken = std::find(host.log.begin(), host.log.end(), "enter taken");
  ASSERT_NE(taken, host.log.end());
  EXPECT_EQ(taken[1], "hud 2") << "the stage starts at the step after the key";
  EXPECT_EQ(game.screen, Screen::kTitle);

  game.screen = Screen::kEnding;
  host.log.clear();
  KeyDown(game, host, kKeyEnter);
  EXPECT_TRUE(host.log.empty()) << "nothing drawn inside the key";
  StepToScreen(game, host);
  EXPECT_EQ(host.log, std::vector<std::string>{"title"});
  EXPECT_EQ(game.screen, Screen::kTitle);
}

TEST(Deviations, EscDuringPlayNeverQuits) {
  Game game;
  game.state.stage = 1;
  RecordingHost host(game);
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kAfterFrame && FramesRun(host) == 2) {
      KeyDown(g, host, kKeyEsc);
      KeyDown(g, host, kKeyEsc);
    }
    if (kind == PumpKind::kLeaving) KeyDown(g, host, kKeyEsc);  // on the way out: ignored
  };
  PlayFromTitle(game, host);
  EXPECT_FALSE(game.quit);
  EXPECT_EQ(host.endProgramCalls, 0);
  EXPECT_EQ(game.screen, Screen::kTitle);
  KeyDown(game, host, kKeyEsc);  // from the title it quits
  EXPECT_TRUE(game.quit);
  EXPECT_EQ(host.endProgramCalls, 1);
  EXPECT_EQ(host.log.end()[-2], "release");
}

// Stage 6, walking right into the first spike, with `duringDeath` run in every death pump.
// A game that comes back to play is ended by Esc before its next frame.
using DeathHook = std::function<void(Game&, GameHost&, int deathFrame)>;

void RunIntoSpike(Game& game, RecordingHost& host, const DeathHook& duringDeath) {
  game.state.stage = 6;
  game.state.missCount = 1;
  host.onPump = [&host, duringDeath](Game& g, PumpKind kind) {
    if (kind == PumpKind::kWaiting && FramesRun(host) == 0) KeyDown(g, host, kKeyRight);
    if (kind == PumpKind::kDeath) duringDeath(g, host, host.deathFrames);
    if (kind == PumpKind::kWaiting && g.state.missCount == 2 && g.state.running == kTrue) {
      host.log.emplace_back("back in play");
      KeyDown(g, host, kKeyEsc);
    }
  };
  PlayFromTitle(game, host);
}

TEST(Deviations, EscDuringTheDeathSequenceCountsTheMissThenShowsTheTitle) {
  Game game;
  RecordingHost host(game);
  RunIntoSpike(game, host, [](Game& g, GameHost& h, int frame) {
    if (frame == 10 || frame == 11) KeyDown(g, h, kKeyEsc);  // a double press
  });
  EXPECT_FALSE(game.quit);
  EXPECT_EQ(host.deathFrames, 201) << "the sequence plays to its end";
  EXPECT_EQ(game.state.missCount, 2);
  EXPECT_EQ(host.Count("back in play"), 0);
  EXPECT_EQ(host.Count("hud 6"), 1) << "the stage is not rebuilt before the title";
  EXPECT_EQ(game.screen, Screen::kTitle);
  EXPECT_FALSE(game.titleAfterDeath);

  // The next Enter resumes the same stage with the miss kept.
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kAfterFrame) KeyDown(g, host, kKeyEsc);
  };
  PlayFromTitle(game, host);
  EXPECT_EQ(game.state.stage, 6);
  EXPECT_EQ(game.state.missCount, 2);
  EXPECT_EQ(game.state.frameCount, 1);
}

TEST(Deviations, EnterDuringTheDeathSequenceIsIgnored) {
  Game game;
  RecordingHost host(game);
  RunIntoSpike(game, host, [](Game& g, GameHost& h, int frame) {
    if (frame == 50) {
      const int32_t frames = g.state.frameCount;
      KeyDown(g, h, kKeyEnter);
      EXPECT_EQ(g.state.frameCount, frames);
    }
  });
  EXPECT_EQ(host.deathFrames, 201);
  EXPECT_EQ(host.Count("hud 6"), 2) << "one rebuild, after the sequence";
  EXPECT_EQ(host.Count("back in play"), 1);
  EXPECT_EQ(host.Count("show"), 1);
}

TEST(Deviations, TheEndingKeepsItsFiguresAndEscQuitsThere) {
  Game game;
  game.state.stage = 16;
  game.state.frameCount = 4321;
  RecordingHost host(game);
  PlayToScreen(game, host);
  ASSERT_EQ(game.screen, Screen::kEnding);
  const std::size_t logSize = host.log.size();
  for (const int key : {kKeyLeft, kKeyRight, kKeyUp, kKeySpace}) {
    KeyDown(game, host, key);
    KeyUp(game, key);
  }
  EXPECT_EQ(game.state.frameCount, 4321);
  EXPECT_EQ(host.log.size(), logSize) << "nothing is rebuilt or redrawn";
  KeyDown(game, host, kKeyEsc);
  EXPECT_TRUE(game.quit);
  EXPECT_EQ(host.log.back(), "end program");
}

TEST(Deviations, EnterOnTheEndingMakesANewGameReadyOnTheTitle) {
  Game game;
  game.state.stage = 16;
  game.state.missCount = 7;
  game.state.frameCount = 4321;
  RecordingHost host(game);
  PlayToScreen(game, host);
  ASSERT_EQ(game.screen, Screen::kEnding);
  PlayFromTitle(game, host);
  EXPECT_EQ(game.screen, Screen::kTitle);
  EXPECT_EQ(host.log.back(), "title");
  EXPECT_EQ(game.state.stage, 1);
  EXPECT_EQ(game.state.missCount, 0);
  EXPECT_EQ(game.state.frameCount, 0);
  EXPECT_FALSE(game.quit);

  // The title's Enter starts that game at stage 1.
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kAfterFrame && FramesRun(host) == 2) KeyDown(g, host, kKeyEsc);
  };
  PlayFromTitle(game, host);
  EXPECT_EQ(host.Count("build 1"), 1);
  EXPECT_EQ(game.screen, Screen::kTitle);
}

TEST(Deviations, ClosingTheWindowDuringPlayEndsAtOnce) {
  Game game;
  game.state.stage = 2;
  RecordingHost host(game);
  host.onPump = [&](Game& g, PumpKind kind) {
    if (kind == PumpKind::kAfterFrame && FramesRun(host) == 3) QueryUnload(g, host);
  };
  PlayFromTitle(game, host);
  EXPECT_TRUE(game.quit);
  EXPECT_EQ(game.state.running, kFalse);
  EXPECT_EQ(host.frames.size(), 3U);
  EXPECT_EQ(host.log.end()[-2], "release");
  EXPECT_EQ(host.log.back(), "end program");
}

}  // namespace
}  // namespace ursa
