// KeySources: every keyboard and pad control that can hold one of the game's keys. A key goes
// down for the game on every press and up only when the last control holding it lets go.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game_host.hpp"

namespace ursa {

inline constexpr int32_t kKeyboardDevice = -1;

// One control of one device: the keyboard, or a pad's button or stick (by its number).
struct KeySource {
  int32_t device = kKeyboardDevice;
  int control = 0;
  bool operator==(const KeySource&) const = default;
};

class KeySources {
 public:
  // The key goes down for the game, again if another control holds it already (as a held
  // key's repeat does).
  void Press(KeySource source, int keyCode);
  // The key goes up for the game unless another control still holds it. A release the
  // control never pressed (a key already down when the window got the focus) still goes up
  // for the game when no control holds the key.
  void Release(KeySource source, int keyCode);
  // A device went away, or stopped being heard: what it held goes up.
  void ReleaseDevice(int32_t device);

  // What went down or up for the game since the last call, in order.
  std::vector<KeyPress> TakeChanges();

  bool Held(int keyCode) const;
  bool Holds(KeySource source, int keyCode) const;

 private:
  struct Hold {
    KeySource source;
    int keyCode;
  };
  std::vector<Hold> holds_;
  std::vector<KeyPress> changes_;
};

}  // namespace ursa
