// The keys and the window's close, applied to the game as RunGame takes them.
// Enter on the title starts a game at the next step, in play starts the stage again there, and
// on the ending screen makes a new game ready on the title drawn there; Esc quits only from a
// screen; the time attack's key starts one from the title.
#include "game/game.hpp"
#include "game/player_motion.hpp"
#include "game/stage_lifecycle.hpp"

namespace ursa {

namespace {

void EndProgram(Game& game, GameHost& host) {
  ReleaseScene(game, host);
  game.quit = true;
  host.EndProgram();
}

void PressJump(GameState& s) {
  if (s.jumpKey == kJumpReleased) s.jumpKey = kJumpPressed;
}

// The title again at the next step, with a game from stage 1 and no misses that the title's
// Enter will start.
void NewGameOnTitle(Game& game) {
  GameState& s = game.state;
  s.stage = 1;
  s.missCount = 0;
  s.frameCount = 0;
  game.leavingTo = Screen::kTitle;
  game.next = NextStep::kShowScreen;
}

void PressEnter(Game& game) {
  switch (game.screen) {
    case Screen::kTitle:
      game.state.frameCount = 0;
      BeginGame(game);
      break;
    case Screen::kPlaying:
      // The current stage from its layout again, without a miss; the frame loop carries on.
      game.state.frameCount = 0;
      game.next = NextStep::kStartStage;
      break;
    case Screen::kEnding:
      NewGameOnTitle(game);
      break;
    case Screen::kDying:
    case Screen::kLeaving:
      break;
  }
}

void PressEsc(Game& game, GameHost& host) {
  switch (game.screen) {
    case Screen::kTitle:
    case Screen::kEnding:
      EndProgram(game, host);
      break;
    case Screen::kPlaying:
      game.state.running = kFalse;
      break;
    case Screen::kDying:
      game.state.running = kFalse;
      game.titleAfterDeath = true;
      break;
    case Screen::kLeaving:
      break;
  }
}

}  // namespace

void KeyDown(Game& game, GameHost& host, int keyCode) {
  GameState& s = game.state;
  switch (keyCode) {
    case kKeyLeft:
      s.moveInput = -1;
      break;
    case kKeyRight:
      s.moveInput = 1;
      break;
    case kKeyUp:
    case kKeySpace:
      PressJump(s);
      break;
    case kKeyEnter:
      PressEnter(game);
      break;
    case kKeyEsc:
      PressEsc(game, host);
      break;
    case kKeyTimeAttack:
      if (game.screen == Screen::kTitle) BeginTimeAttack(game);
      break;
    default:
      break;
  }
}

void KeyUp(Game& game, int keyCode) {
  GameState& s = game.state;
  switch (keyCode) {
    case kKeyLeft:
      if (s.moveInput == -1) s.moveInput = 0;
      break;
    case kKeyRight:
      if (s.moveInput == 1) s.moveInput = 0;
      break;
    case kKeyUp:
    case kKeySpace:
      s.jumpKey = kJumpReleased;
      break;
    default:
      break;
  }
}

void QueryUnload(Game& game, GameHost& host) { EndProgram(game, host); }

}  // namespace ursa
