// KeySources: every keyboard and pad control that can hold one of the game's keys. A key goes
// down for the game on every press and up only when the last control holding it lets go.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

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
  // Hands a key to the game (down or up). It may run a whole game (Enter on the title) and
  // call back into this object meanwhile.
  using Deliver = std::function<void(int keyCode, bool down)>;
  explicit KeySources(Deliver deliver) : deliver_(std::move(deliver)) {}

  // The key goes down for the game, again if another control holds it already (as a held
  // key's repeat does).
  void Press(KeySource source, int keyCode);
  // The key goes up for the game unless another control still holds it. A release the
  // control never pressed (a key already down when the window got the focus) still reaches
  // the game when no control holds the key.
  void Release(KeySource source, int keyCode);
  // A device went away: what it held is released.
  void ReleaseDevice(int32_t device);

  bool Held(int keyCode) const;
  bool Holds(KeySource source, int keyCode) const;

 private:
  struct Hold {
    KeySource source;
    int keyCode;
  };
  Deliver deliver_;
  std::vector<Hold> holds_;
};

}  // namespace ursa
