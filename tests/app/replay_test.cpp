// Key replay without a window: which keys a recording keeps, and when a replay hands each key
// to a game that takes its keys one at a time at its steps, as the window's does.
#include "app/replay.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ursa {
namespace {

ScriptEvent Key(uint64_t frame, int keyCode, bool down = true) { return {frame, keyCode, down}; }

TEST(KeyReplayNext, KeysWaitForTheirFrameAndTheirScreen) {
  KeyReplay replay(
      {Key(0, kKeyRight), Key(3, kKeySpace), Key(3, kKeySpace, false), Key(9, kKeyEsc)});
  // On the title the run key belongs to play: it waits, and nothing after it passes it.
  EXPECT_FALSE(replay.Next(Screen::kTitle, 0));
  EXPECT_EQ(replay.Next(Screen::kPlaying, 0), Key(0, kKeyRight));
  EXPECT_FALSE(replay.Next(Screen::kPlaying, 2));
  EXPECT_EQ(replay.Next(Screen::kPlaying, 3), Key(3, kKeySpace));
  EXPECT_EQ(replay.Next(Screen::kPlaying, 3), Key(3, kKeySpace, false));
  // Esc of frame 9, recorded during a death that began at frame 9, waits for the stage start
  // after the death, as in the simulator.
  EXPECT_FALSE(replay.Next(Screen::kDying, 9));
  EXPECT_FALSE(replay.Next(Screen::kLeaving, 9));
  EXPECT_EQ(replay.Next(Screen::kPlaying, 9), Key(9, kKeyEsc));
  EXPECT_TRUE(replay.Done());
  EXPECT_FALSE(replay.Next(Screen::kPlaying, 100));
}

// A game that behaves as the window's does where the replay is concerned: each step first
// takes the keys due, one at a time; Enter on the title starts a game at the next step, before
// another key is taken; Esc in play leaves for the title, and the ending comes after
// `framesPerGame` frames.
class SteppedGame {
 public:
  explicit SteppedGame(std::vector<ScriptEvent> keys) : replay_(std::move(keys)) {}

  // The shell's loop, until the program ends or a screen has nothing more to do.
  void Run() {
    while (true) {
      while (!game_.quit) {
        const std::optional<ScriptEvent> e = replay_.Take(game_.screen, frames_);
        if (!e) break;
        Take(*e);
        if (game_.next == NextStep::kStartGame) break;
      }
      if (game_.quit || !Step()) return;
    }
  }
  std::vector<std::string> taken;
  uint64_t framesPerGame = 50;
  uint64_t Frames() const { return frames_; }
  const KeyReplay& Replay() const { return replay_; }
  Screen OnScreen() const { return game_.screen; }

 private:
  void Take(const ScriptEvent& e) {
    taken.push_back(std::to_string(e.frame) + " " + std::string(KeyName(e.keyCode)) +
                    (e.down ? " down" : " up"));
    if (!e.down) return;
    if (e.keyCode == kKeyEsc && game_.screen == Screen::kPlaying) game_.state.running = kFalse;
    if (e.keyCode == kKeyEsc &&
        (game_.screen == Screen::kTitle || game_.screen == Screen::kEnding)) {
      game_.quit = true;
    }
    if (e.keyCode == kKeyEnter && game_.screen == Screen::kEnding) {
      game_.screen = Screen::kTitle;
    } else if (e.keyCode == kKeyEnter && game_.screen == Screen::kTitle) {
      BeginGame(game_);
    }
  }
  // False on a screen with nothing to do.
  bool Step() {
    if (game_.next == NextStep::kStartGame) {
      game_.next = NextStep::kFrame;
      game_.state.running = kTrue;
      played_ = 0;
      return true;
    }
    if (game_.next != NextStep::kFrame) return false;
    if (game_.state.running == kFalse || played_ == framesPerGame) {
      game_.screen = game_.state.running == kFalse ? Screen::kTitle : Screen::kEnding;
      game_.next = NextStep::kNothing;
      return true;
    }
    ++played_;
    ++frames_;
    return true;
  }

  Game game_;
  KeyReplay replay_;
  uint64_t frames_ = 0;
  uint64_t played_ = 0;
};

TEST(KeyReplayTake, AScriptThatStartsInPlayIsStartedFromTheTitleLikeTheSimulator) {
  SteppedGame game({Key(0, kKeyRight), Key(4, kKeyRight, false)});
  game.Run();
  EXPECT_EQ(game.taken, (std::vector<std::string>{"0 Enter down", "0 Right down", "4 Right up"}));
  // The game ran to its ending; nothing is left, so the player has the keys again.
  EXPECT_EQ(game.OnScreen(), Screen::kEnding);
  EXPECT_TRUE(game.Replay().Done());
}

TEST(KeyReplayTake, ARecordingStartsEveryGameWithItsOwnEnterAndEndsWhereItQuit) {
  // Two games: the first left with Esc at frame 5, the second started from the title at
  // frame 5 and left at frame 9, then Esc on the title quits.
  SteppedGame game({Key(0, kKeyEnter), Key(2, kKeyEnter, false), Key(5, kKeyEsc), Key(5, kKeyEnter),
                    Key(9, kKeyEsc), Key(9, kKeyEsc)});
  game.Run();
  EXPECT_EQ(game.taken, (std::vector<std::string>{"0 Enter down", "2 Enter up", "5 Esc down",
                                                  "5 Enter down", "9 Esc down", "9 Esc down"}));
  EXPECT_EQ(game.Frames(), 9U);
  EXPECT_TRUE(game.Replay().Done());
}

TEST(KeyReplayNext, AfterAnEscInPlayTheFramesKeysWaitForTheTitle) {
  // The player pressed Esc and let go of Right in the same moment of play, then Enter on
  // the title; Enter in play would restart the stage without the title.
  KeyReplay replay({Key(0, kKeyRight), Key(5, kKeyEsc), Key(5, kKeyRight, false), Key(5, kKeyEnter),
                    Key(5, kKeyLeft)});
  EXPECT_EQ(replay.Next(Screen::kPlaying, 0), Key(0, kKeyRight));
  EXPECT_EQ(replay.Next(Screen::kPlaying, 5), Key(5, kKeyEsc));
  EXPECT_FALSE(replay.Next(Screen::kPlaying, 5));
  EXPECT_FALSE(replay.Next(Screen::kLeaving, 5));
  // On the title the release changed nothing and is passed over; Enter starts the game, and
  // the key after it is the new game's.
  EXPECT_EQ(replay.Next(Screen::kTitle, 5), Key(5, kKeyEnter));
  EXPECT_EQ(replay.Next(Screen::kPlaying, 5), Key(5, kKeyLeft));
  EXPECT_TRUE(replay.Done());
}

TEST(KeyReplayTake, KeysThatCanNeverComeAreGivenUpOnAScreen) {
  // The game reaches its ending at frame 50; a key of frame 80 can never come there.
  SteppedGame game({Key(0, kKeyEnter), Key(80, kKeyLeft)});
  game.Run();
  EXPECT_EQ(game.OnScreen(), Screen::kEnding);
  EXPECT_EQ(game.taken, std::vector<std::string>{"0 Enter down"});
  EXPECT_TRUE(game.Replay().Done());
  // A script that left play for the title is not started again by the replay: the simulator
  // ends there too.
  SteppedGame left({Key(0, kKeyRight), Key(3, kKeyEsc), Key(6, kKeyLeft)});
  left.Run();
  EXPECT_EQ(left.taken, (std::vector<std::string>{"0 Enter down", "0 Right down", "3 Esc down"}));
  EXPECT_EQ(left.OnScreen(), Screen::kTitle);
  EXPECT_TRUE(left.Replay().Done());
}

}  // namespace
}  // namespace ursa
