// PadKeys: a game pad's controls as the game's keys. The D-pad and the left stick (past its
// dead zone) are Left and Right, A and B jump (Space), Up on the D-pad is Up, Back is Esc,
// Y starts a time attack from the title.
// Start means Enter or pause depending on the screen, so it is left to the caller.
#pragma once

#include <cstdint>
#include <map>

#include "app/key_sources.hpp"
#include "toolkit/pad_event.hpp"

namespace ursa {

class PadKeys {
 public:
  enum class Start { kNone, kDown, kUp };

  explicit PadKeys(KeySources& keys) : keys_(keys) {}

  // How far the stick must lean (0..32767) before it counts: 32767 turns the stick off.
  // Out-of-range values are clamped.
  void SetDeadZone(int deadZone);

  // Presses and releases the game keys the event moves; a removed pad lets go of all of its
  // keys. Returns what Start did.
  Start Handle(const tk::PadEvent& event);

 private:
  void MoveStick(int32_t pad, int value);

  KeySources& keys_;
  int deadZone_ = 0;
  std::map<int32_t, int> stickDirection_;  // -1 left, 0 centre, 1 right; by pad
};

}  // namespace ursa
