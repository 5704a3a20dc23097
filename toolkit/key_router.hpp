// Decides what a keyboard event does: reach the game as KeyDown or KeyUp, toggle between
// full screen and a window (F11, Alt+Enter), or nothing. Alt+Enter never reaches the game.
#pragma once

#include <SDL.h>

namespace ursa::tk {

struct KeyRoute {
  enum class Action { kNone, kKeyDown, kKeyUp, kToggleFullscreen };
  Action action = Action::kNone;
  int keyCode = 0;  // the game's key code for kKeyDown and kKeyUp
};

class KeyRouter {
 public:
  // `event` is an SDL_KEYDOWN or SDL_KEYUP event. A held key's auto-repeat routes to
  // another kKeyDown, which the game relies on.
  KeyRoute Route(const SDL_KeyboardEvent& event);

 private:
  // Enter went down with Alt held: its repeats and its release belong to the toggle too.
  bool enterHeldForToggle_ = false;
};

}  // namespace ursa::tk
