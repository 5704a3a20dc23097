// The key codes the game's KeyDown and KeyUp events carry, and which keys have one.
// Only these six keys reach the game; keypad Enter counts as Enter.
#pragma once

#include <SDL.h>

#include <optional>

namespace ursa::tk {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;

// The game's code for an SDL key, or nothing for a key the game does not use.
constexpr std::optional<int> GameKeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return kKeyEnter;
    case SDLK_ESCAPE:
      return kKeyEsc;
    case SDLK_SPACE:
      return kKeySpace;
    case SDLK_LEFT:
      return kKeyLeft;
    case SDLK_UP:
      return kKeyUp;
    case SDLK_RIGHT:
      return kKeyRight;
    default:
      return std::nullopt;
  }
}

}  // namespace ursa::tk
