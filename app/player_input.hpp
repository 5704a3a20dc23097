// PlayerInput: the keyboard and the game pads joined into the game's six keys, and the pause
// they and the window's focus control. A key reaches the game through `deliver` only; while
// the game is paused only releases do, and Esc, which ends the pause.
#pragma once

#include <functional>
#include <vector>

#include "app/input_options.hpp"
#include "app/key_sources.hpp"
#include "app/pad_keys.hpp"
#include "app/window_host.hpp"
#include "game/game.hpp"
#include "toolkit/pad_event.hpp"

namespace ursa {

class PlayerInput {
 public:
  // `deliver` hands a key to the game's KeyDown (down) or KeyUp.
  PlayerInput(ursa::Game& game, WindowHost& host, std::function<void(int, bool)> deliver);

  // The dead zone and the focus pause of `options`; the key bindings are the window's.
  void SetOptions(const InputOptions& options);

  void KeyboardKey(int keyCode, bool down);
  // P or Pause: pauses play, or ends the pause.
  void PauseKey();
  void FocusChanged(bool focused);
  // The keyboard's keys go up for the game, as when the window loses the focus.
  void ReleaseKeyboard() { keys_.ReleaseDevice(kKeyboardDevice); }
  void Pad(const tk::PadEvent& event);

 private:
  // Play is going on (or the death sequence), so it can be paused.
  bool InPlay() const;
  void TogglePause();
  void Resume();
  void Deliver(int keyCode, bool down);

  ursa::Game& game_;
  WindowHost& host_;
  std::function<void(int, bool)> deliver_;
  KeySources keys_;
  PadKeys pads_{keys_};
  bool pauseOnFocusLoss_ = true;
  // Left and Right pressed during the pause: those still held when it ends go down then.
  std::vector<int> heldBack_;
};

}  // namespace ursa
