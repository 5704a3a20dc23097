// Which keyboard keys send which of the program's key codes: a table the program gives the
// window (up to two keys per code). The toolkit routes keys by it and knows no key's meaning.
#pragma once

#include <SDL.h>

#include <array>
#include <optional>
#include <vector>

namespace ursa::tk {

// A key code and the keyboard keys that send it; SDLK_UNKNOWN marks an unused place.
struct KeyBinding {
  int keyCode;
  std::array<SDL_Keycode, 2> keys;
  bool operator==(const KeyBinding&) const = default;
};
using KeyBindings = std::vector<KeyBinding>;

// Keys whose meaning is fixed, so no binding may take them: F11 (and Alt+Enter) switch the
// window mode, F12 takes a screenshot, P and Pause pause.
constexpr bool ReservedKey(SDL_Keycode key) {
  return key == SDLK_F11 || key == SDLK_F12 || key == SDLK_p || key == SDLK_PAUSE;
}

// The code a keyboard key sends under `bindings`, or nothing for a key no binding uses.
inline std::optional<int> BoundKeyCode(SDL_Keycode key, const KeyBindings& bindings) {
  if (key == SDLK_UNKNOWN) return std::nullopt;
  for (const KeyBinding& binding : bindings) {
    for (const SDL_Keycode bound : binding.keys) {
      if (bound == key) return binding.keyCode;
    }
  }
  return std::nullopt;
}

}  // namespace ursa::tk
