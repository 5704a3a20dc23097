// Game: the game state with the screen it is on, and the entry points the window calls:
// RunGame (inside the Enter key), the key handlers and the close request.
#pragma once

#include "game/game_host.hpp"
#include "game/game_keys.hpp"
#include "game/game_state.hpp"

namespace ursa {

enum class Screen {
  kTitle,    // title screen shown, no game running
  kPlaying,  // inside RunGame's stage or frame loop
  kDying,    // inside the death sequence
  kLeaving,  // RunGame on its way to the title or ending screen
  kEnding,   // ending screen shown
};

struct Game {
  GameState state{};
  Screen screen = Screen::kTitle;
  bool titleAfterDeath = false;  // Esc during the death sequence: go to the title after it
  bool quit = false;             // the program is ending; RunGame returns at once
};

// Plays from the current stage until Esc returns to the title or stage 16 shows the ending.
void RunGame(Game& game, GameHost& host);

void KeyDown(Game& game, GameHost& host, int keyCode);
void KeyUp(Game& game, int keyCode);
// The window is being closed: release the scene and end the program.
void QueryUnload(Game& game, GameHost& host);

}  // namespace ursa
