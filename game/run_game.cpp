// RunGame: the stage loop around the fixed-tick frame loop, and the way out to a screen.
// Every event pump may end the program; nothing runs after one that did.
#include "game/counters.hpp"
#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/stage_lifecycle.hpp"
#include "game/ticks.hpp"

namespace ursa {

namespace {

enum class LoopEnd { kDoor, kMiss, kTitle, kQuit };
enum class Destination { kTitle, kEnding };

// Frames of the death sequence: deathTimer runs 0..kDeathFrames-1.
constexpr int kDeathFrames = 201;

// Returns false when the program is ending.
bool Pump(Game& game, GameHost& host, PumpKind kind, int64_t wakeAtMs = 0) {
  host.PumpEvents(kind, wakeAtMs);
  return !game.quit;
}

// After a spike: the camera pulls back from the player, one pump of window events per frame.
// Returns false when the program is ending and nothing more may run.
bool DeathSequence(Game& game, GameHost& host) {
  GameState& s = game.state;
  game.screen = Screen::kDying;
  for (s.deathTimer = 0; s.deathTimer < kDeathFrames; ++s.deathTimer) {
    host.RenderDeathFrame(s);
    if (!Pump(game, host, PumpKind::kDeath)) return false;
  }
  game.screen = Screen::kPlaying;
  return true;
}

// Runs at most one frame per tick. A frame starts at the first pass after the tick has moved
// past lastTick, so a late frame delays the game instead of being made up for.
LoopEnd FrameLoop(Game& game, GameHost& host) {
  GameState& s = game.state;
  while (true) {
    if (s.running == kFalse) return LoopEnd::kTitle;
    const int64_t now = TickNow(host);
    const int64_t elapsed = TicksSince(s.lastTick, now);
    if (elapsed < 1) {
      const int64_t nextTick = now - elapsed + 1;
      if (!Pump(game, host, PumpKind::kWaiting, nextTick * kTickMs)) return LoopEnd::kQuit;
      continue;
    }
    const FrameResult result = RunFrame(s, host);
    host.FrameEnded(s, result);
    switch (result) {
      case FrameResult::kSpike:
        return DeathSequence(game, host) ? LoopEnd::kMiss : LoopEnd::kQuit;
      case FrameResult::kFall:
        return LoopEnd::kMiss;
      case FrameResult::kDoor:
        return LoopEnd::kDoor;
      case FrameResult::kNone:
        break;
    }
    s.lastTick = static_cast<int32_t>(TickNow(host));
    if (!Pump(game, host, PumpKind::kAfterFrame)) return LoopEnd::kQuit;
  }
}

// Drops the scene, hides the 3D view, lets the window catch up once, then draws the screen.
void Leave(Game& game, GameHost& host, Destination destination) {
  game.screen = Screen::kLeaving;
  ReleaseScene(game, host);
  host.SetPictureVisible(false);
  if (!Pump(game, host, PumpKind::kLeaving)) return;
  if (destination == Destination::kEnding) {
    host.DrawEndingScreen(game.state);
    game.screen = Screen::kEnding;
  } else {
    host.DrawTitleScreen();
    game.screen = Screen::kTitle;
  }
}

}  // namespace

void RunGame(Game& game, GameHost& host) {
  game.screen = Screen::kPlaying;
  host.SetPictureVisible(true);
  while (true) {
    if (!StartStage(game, host)) {
      Leave(game, host, Destination::kEnding);
      return;
    }
    switch (FrameLoop(game, host)) {
      case LoopEnd::kDoor:
        break;
      case LoopEnd::kMiss:
        AddMiss(game.state);
        // Esc during the death sequence: the miss counts, then play returns to the title.
        if (game.titleAfterDeath) {
          game.titleAfterDeath = false;
          Leave(game, host, Destination::kTitle);
          return;
        }
        break;
      case LoopEnd::kTitle:
        Leave(game, host, Destination::kTitle);
        return;
      case LoopEnd::kQuit:
        return;
    }
  }
}

}  // namespace ursa
