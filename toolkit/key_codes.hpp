// The key codes the game's KeyDown and KeyUp events carry, and which keyboard keys send them:
// up to two keys per game key, by default Enter and keypad Enter, Esc, Space and the arrows.
#pragma once

#include <SDL.h>

#include <array>
#include <optional>

namespace ursa::tk {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;

// A game key and the keyboard keys that send it; SDLK_UNKNOWN marks an unused place.
struct KeyBinding {
  int keyCode;
  std::array<SDL_Keycode, 2> keys;
  bool operator==(const KeyBinding&) const = default;
};
using KeyBindings = std::array<KeyBinding, 6>;

inline constexpr KeyBindings kDefaultBindings = {{
    {kKeyLeft, {SDLK_LEFT, SDLK_UNKNOWN}},
    {kKeyRight, {SDLK_RIGHT, SDLK_UNKNOWN}},
    {kKeyUp, {SDLK_UP, SDLK_UNKNOWN}},
    {kKeySpace, {SDLK_SPACE, SDLK_UNKNOWN}},
    {kKeyEnter, {SDLK_RETURN, SDLK_KP_ENTER}},
    {kKeyEsc, {SDLK_ESCAPE, SDLK_UNKNOWN}},
}};

// Keys whose meaning is fixed, so no binding may take them: F11 (and Alt+Enter) switch the
// window mode, F12 takes a screenshot, P and Pause pause.
constexpr bool ReservedKey(SDL_Keycode key) {
  return key == SDLK_F11 || key == SDLK_F12 || key == SDLK_p || key == SDLK_PAUSE;
}

// The game's code for a keyboard key under `bindings`, or nothing for a key no game key uses.
constexpr std::optional<int> GameKeyCode(SDL_Keycode key,
                                         const KeyBindings& bindings = kDefaultBindings) {
  if (key == SDLK_UNKNOWN) return std::nullopt;
  for (const KeyBinding& binding : bindings) {
    for (const SDL_Keycode bound : binding.keys) {
      if (bound == key) return binding.keyCode;
    }
  }
  return std::nullopt;
}

}  // namespace ursa::tk
