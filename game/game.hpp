// Game: the game state with the screen it is on, RunGame (the step the shell's loop calls),
// and the entry points for the window's keys and close request.
#pragma once

#include <cstdint>

#include "game/game_host.hpp"
#include "game/game_keys.hpp"
#include "game/game_state.hpp"
#include "game/run_timer.hpp"

namespace ursa {

enum class Screen {
  kTitle,    // title screen shown, no game running
  kPlaying,  // a game in its stage or frame loop
  kDying,    // the death sequence
  kLeaving,  // on the way to the title or ending screen
  kEnding,   // ending screen shown
};

// What the game does at its next step.
enum class NextStep {
  kNothing,     // a screen is shown: only a key makes work
  kStartGame,   // Enter on the title: play begins
  kStartStage,  // the stage in `stage` starts (after a door or a miss)
  kFrame,       // the frame loop: a frame once the tick has moved on
  kDeath,       // the next picture of the death sequence
  kShowScreen,  // the scene is released; the title or ending screen is drawn
};

struct Game {
  GameState state{};
  Screen screen = Screen::kTitle;
  NextStep next = NextStep::kNothing;
  Screen leavingTo = Screen::kTitle;  // the screen kShowScreen draws
  bool titleAfterDeath = false;       // Esc during the death sequence: go to the title after it
  bool quit = false;                  // the program is ending; the shell steps no more
  // A time attack: played from stage 1 against the run timer, which only counts on.
  bool timeAttack = false;
  RunTimer run;
};

// The window events the shell takes in before the next step: every point where the game
// leaves room for keys, a close or the passing of time.
enum class PumpKind {
  kScreen,      // a screen is shown: wait for events, however long
  kWaiting,     // the frame loop waits for the next tick, until wakeAtMs
  kAfterFrame,  // right after a frame of play
  kDeath,       // once per picture of the death sequence
  kLeaving,     // once on the way to the title or the ending screen
};

struct StepWait {
  PumpKind pump = PumpKind::kScreen;
  int64_t wakeAtMs = 0;  // kWaiting: the next tick's start on the host's clock
};

// The game as a step: takes the keys that have come (GameHost::NextKey), plays on from where
// the game stands to its next pump point and says which pump the shell runs before calling
// again. The shell's loop: RunGame, stop if game.quit, pump (which may bring keys), repeat. On
// a screen it does nothing and asks for kScreen until a key starts a game.
StepWait RunGame(Game& game, GameHost& host);

// Plays from the current stage at the next step, as Enter on the title does.
void BeginGame(Game& game);
// A time attack from stage 1 with no misses, its timer at zero, at the next step, as the time
// attack's key on the title does.
void BeginTimeAttack(Game& game);

// A key taken by the rules. A key only records what it asks for: the moves and the jump in the
// state, and a game to start, a stage to start again or a screen to show as the next step,
// which RunGame runs before it takes another key. Only Esc on a screen acts at once: it ends
// the program.
void KeyDown(Game& game, GameHost& host, int keyCode);
void KeyUp(Game& game, int keyCode);
// The window is being closed: release the scene and end the program.
void QueryUnload(Game& game, GameHost& host);

}  // namespace ursa
