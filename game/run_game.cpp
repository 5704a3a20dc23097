// RunGame, the game as a step: the keys that have come, the stage loop around the fixed-tick
// frame loop, the death sequence and the way out to a screen, run up to each point where window
// events are taken in.
#include <optional>

#include "game/counters.hpp"
#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/stage_layouts.hpp"
#include "game/stage_lifecycle.hpp"
#include "game/ticks.hpp"

namespace ursa {

namespace {

// Frames of the death sequence: deathTimer runs 0..kDeathFrames-1.
constexpr int kDeathFrames = 201;

// Drops the scene and hides the 3D view; the window catches up once before the screen is drawn.
StepWait Leave(Game& game, GameHost& host, Screen to) {
  game.screen = Screen::kLeaving;
  ReleaseScene(game, host);
  host.SetPictureVisible(false);
  game.leavingTo = to;
  game.next = NextStep::kShowScreen;
  return {PumpKind::kLeaving};
}

void ShowScreen(Game& game, GameHost& host) {
  if (game.leavingTo == Screen::kEnding && game.timeAttack) {
    host.DrawTimeAttackEnding(game.state, game.run);
  } else if (game.leavingTo == Screen::kEnding) {
    host.DrawEndingScreen(game.state);
  } else {
    host.DrawTitleScreen();
  }
  game.screen = game.leavingTo;
  game.next = NextStep::kNothing;
}

// A miss counts, then the stage starts again (or, after Esc during the death sequence, play
// returns to the title).
void Miss(Game& game) {
  AddMiss(game.state);
  game.next = NextStep::kStartStage;
}

// After a spike the camera pulls back from the player, one picture per pump.
StepWait StartDeath(Game& game, GameHost& host) {
  game.screen = Screen::kDying;
  game.state.deathTimer = 0;
  host.RenderDeathFrame(game.state);
  game.next = NextStep::kDeath;
  return {PumpKind::kDeath};
}

// A time attack's timer counts the frame or death step about to run.
void CountRunFrame(Game& game, GameHost& host) {
  if (!game.timeAttack) return;
  game.run.Count();
  host.RunTimed(game.run);
}

// A time attack's stage split, taken at its door; the next stage's time starts from here.
void TimeStage(Game& game, GameHost& host) {
  if (!game.timeAttack) return;
  host.StageTimed(game.state.stage - 1, game.run.StageFrames(), game.run);
  game.run.stageFrom = game.run.frames;
}

// Takes the keys that have come, in order, until one asks for a step (a game, a stage again, a
// screen): that step runs first, and the keys after it wait for the next pump point, as they
// would reach a game that ran inside the key. True when a key stopped the taking so.
// One key taken; true when it asked for a step.
bool TakeKey(Game& game, GameHost& host, KeyPress key) {
  const Screen pressedOn = game.screen;
  const NextStep before = game.next;
  if (key.down) {
    KeyDown(game, host, key.keyCode);
  } else {
    KeyUp(game, key.keyCode);
  }
  host.KeyTaken(game, pressedOn, key);
  return game.next != before;
}

bool TakeKeys(Game& game, GameHost& host) {
  while (!game.quit) {
    const std::optional<KeyPress> key = host.NextKey(game);
    if (!key) return false;
    if (TakeKey(game, host, *key)) return true;
  }
  return false;
}

// One step of the state machine: nothing when the game plays straight on, else the pump the
// shell runs before the next step.
std::optional<StepWait> Step(Game& game, GameHost& host) {
  GameState& s = game.state;
  switch (game.next) {
    case NextStep::kNothing:
      return StepWait{PumpKind::kScreen};

    case NextStep::kStartGame:
      host.SetPictureVisible(true);
      game.next = NextStep::kStartStage;
      return std::nullopt;

    case NextStep::kStartStage:
      // Esc during the death sequence: back to the title once the miss has counted.
      if (game.titleAfterDeath) {
        game.titleAfterDeath = false;
        return Leave(game, host, Screen::kTitle);
      }
      if (!StartStage(game, host)) return Leave(game, host, Screen::kEnding);
      game.next = NextStep::kFrame;
      return std::nullopt;

    // At most one frame per tick. A frame starts at the first step after the tick has moved
    // past lastTick, so a late frame delays the game instead of being made up for.
    case NextStep::kFrame: {
      if (s.running == kFalse) return Leave(game, host, Screen::kTitle);
      const int64_t now = TickNow(host);
      const int64_t elapsed = TicksSince(s.lastTick, now);
      if (elapsed < 1) return StepWait{PumpKind::kWaiting, (now - elapsed + 1) * kTickMs};
      CountRunFrame(game, host);
      const FrameResult result = RunFrame(s, host);
      host.FrameEnded(s, result);
      switch (result) {
        case FrameResult::kSpike:
          return StartDeath(game, host);
        case FrameResult::kFall:
          Miss(game);
          return std::nullopt;
        case FrameResult::kDoor:
          TimeStage(game, host);
          game.next = NextStep::kStartStage;
          return std::nullopt;
        case FrameResult::kNone:
          s.lastTick = static_cast<int32_t>(TickNow(host));
          return StepWait{PumpKind::kAfterFrame};
      }
      return std::nullopt;
    }

    case NextStep::kDeath:
      CountRunFrame(game, host);
      if (++s.deathTimer < kDeathFrames) {
        host.RenderDeathFrame(s);
        return StepWait{PumpKind::kDeath};
      }
      game.screen = Screen::kPlaying;
      Miss(game);
      return std::nullopt;

    case NextStep::kShowScreen:
      ShowScreen(game, host);
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

void BeginGame(Game& game) {
  game.timeAttack = false;
  game.screen = Screen::kPlaying;
  game.next = NextStep::kStartGame;
}

void BeginTimeAttack(Game& game) {
  BeginGame(game);
  game.timeAttack = true;
  game.run = {};
  game.state.stage = kFirstStage;
  game.state.missCount = 0;
  game.state.frameCount = 0;
}

StepWait RunGame(Game& game, GameHost& host) {
  bool keysWaiting = TakeKeys(game, host);
  while (!game.quit) {
    const std::optional<StepWait> wait = Step(game, host);
    if (!wait) continue;
    // A pump point: the keys held back behind a step that a key asked for are taken here, and
    // on a screen every key that has come, since its pump waits for one more.
    if (keysWaiting || wait->pump == PumpKind::kScreen) {
      keysWaiting = TakeKeys(game, host);
      if (keysWaiting) continue;
    }
    return *wait;
  }
  return {PumpKind::kScreen};
}

}  // namespace ursa
