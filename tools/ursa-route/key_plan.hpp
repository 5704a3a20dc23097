// The route's input model: which of Left, Right and Space are held, and the key events that
// take the keyboard from one choice of held keys to the next.
#pragma once

#include <array>
#include <cstdint>

#include "game/key_script.hpp"

namespace ursa::route {

// Held keys as bits.
inline constexpr uint8_t kHoldLeft = 1;
inline constexpr uint8_t kHoldRight = 2;
inline constexpr uint8_t kHoldSpace = 4;

// The six choices of input the search tries: a direction (or none), with or without Space.
inline constexpr int kInputChoices = 6;
uint8_t HeldKeysOfChoice(int choice);

// The events that take the keyboard from `held` to `want` at `frame` (frames of play counted
// from the stage's first frame): releases first, then presses. Keys in `stale` are held on the
// keyboard but no longer seen by the game, because a stage start has cleared moveInput and
// jumpKey; one that is still wanted is pressed again, as the keyboard's repeat would.
struct KeyChanges {
  std::array<ScriptEvent, 4> events{};
  int count = 0;
};
KeyChanges ChangeKeys(uint8_t held, uint8_t want, uint8_t stale, int frame);

}  // namespace ursa::route
