// The route's input model: which of Left, Right and Space are held, and the key events that
// take the keyboard from one choice of held keys to the next.
#pragma once

#include <array>
#include <cstdint>

#include "game/game.hpp"

namespace ursa::route {

// A key event of a route; frame counts the frames of play from the first frame of its stage.
struct KeyEvent {
  int frame = 0;
  int keyCode = 0;
  bool down = false;

  bool operator==(const KeyEvent&) const = default;
};

// Held keys as bits.
inline constexpr uint8_t kHoldLeft = 1;
inline constexpr uint8_t kHoldRight = 2;
inline constexpr uint8_t kHoldSpace = 4;

// The six choices of input the search tries: a direction (or none), with or without Space.
inline constexpr int kInputChoices = 6;
uint8_t HeldKeysOfChoice(int choice);

// The events that take the keyboard from `held` to `want`: releases first, then presses. Keys in
// `stale` are held on the keyboard but no longer seen by the game, because a stage start has
// cleared moveInput and jumpKey; one that is still wanted is pressed again, as the keyboard's
// repeat would.
struct KeyChanges {
  std::array<KeyEvent, 4> events{};
  int count = 0;
};
KeyChanges ChangeKeys(uint8_t held, uint8_t want, uint8_t stale, int frame);

// Delivers one event through the window's key handlers, as ursa-sim does.
void ApplyKeyEvent(Game& game, GameHost& host, const KeyEvent& event);

}  // namespace ursa::route
