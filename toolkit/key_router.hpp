// Decides what a keyboard event does: reach the game as KeyDown or KeyUp through the key
// bindings, toggle between full screen and a window (F11, Alt+Enter), pause (P, Pause), or
// nothing. Alt+Enter never reaches the game.
#pragma once

#include <SDL.h>

#include <vector>

#include "toolkit/key_bindings.hpp"

namespace ursa::tk {

struct KeyRoute {
  enum class Action { kNone, kKeyDown, kKeyUp, kToggleFullscreen, kPause };
  Action action = Action::kNone;
  int keyCode = 0;  // the game's key code for kKeyDown and kKeyUp
};

class KeyRouter {
 public:
  // `event` is an SDL_KEYDOWN or SDL_KEYUP event. A held key's auto-repeat routes to
  // another kKeyDown, which the game relies on. With two keys bound to one game key, the
  // game key goes up only when the last of them that is held is released.
  KeyRoute Route(const SDL_KeyboardEvent& event);

  // Reserved keys (ReservedKey) in `bindings` are left out.
  void SetBindings(const KeyBindings& bindings);
  const KeyBindings& Bindings() const { return bindings_; }

 private:
  KeyRoute RouteGameKey(SDL_Keycode key, bool down);

  KeyBindings bindings_;  // none until the program sets them
  // Bound keys that are down now.
  std::vector<SDL_Keycode> held_;
  // Enter went down with Alt held: its repeats and its release belong to the toggle too.
  bool enterHeldForToggle_ = false;
};

}  // namespace ursa::tk
