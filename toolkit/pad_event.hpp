// A game pad's connection, button or stick as the window's events report it, in the
// standard pad layout of SDL's game controller API (A, B, Back, Start, D-pad, sticks).
#pragma once

#include <SDL.h>

#include <cstdint>

namespace ursa::tk {

struct PadEvent {
  enum class Kind { kConnected, kDisconnected, kButton, kAxis };
  Kind kind = Kind::kButton;
  // The pad, the same number from its connection to its removal (SDL's instance id).
  int32_t pad = 0;
  // kButton: which and whether it went down or up.
  SDL_GameControllerButton button = SDL_CONTROLLER_BUTTON_INVALID;
  bool down = false;
  // kAxis: which and its new position, -32768 (left, up) to 32767 (right, down).
  SDL_GameControllerAxis axis = SDL_CONTROLLER_AXIS_INVALID;
  int value = 0;
};

}  // namespace ursa::tk
