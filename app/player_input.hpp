// PlayerInput: the keyboard and the game pads joined into the game's keys, and the pause they
// and the window's focus control. Keys go one way, into the KeyIntake the rules take them
// from; while the game is paused only releases do, and Esc, which ends the pause.
#pragma once

#include <vector>

#include "app/input_options.hpp"
#include "app/key_intake.hpp"
#include "app/key_sources.hpp"
#include "app/pad_keys.hpp"
#include "app/play_pause.hpp"
#include "game/game.hpp"
#include "toolkit/pad_event.hpp"

namespace ursa {

class PlayerInput {
 public:
  // The keys go to `intake`; `game` says the screen, `pause` is the pause the keys control.
  PlayerInput(const ursa::Game& game, PlayPause& pause, KeyIntake& intake);

  // The dead zone and the focus pause of `options`; the key bindings are the window's.
  void SetOptions(const InputOptions& options);

  void KeyboardKey(int keyCode, bool down);
  // P or Pause: pauses play, or ends the pause.
  void PauseKey();
  void FocusChanged(bool focused);
  // The keyboard's keys go up for the game, as when the window loses the focus.
  void ReleaseKeyboard();
  void Pad(const tk::PadEvent& event);

 private:
  // Play is going on (or the death sequence), so it can be paused.
  bool InPlay() const;
  void TogglePause();
  void Resume();
  // Hands on what the controls' last move made of the game's keys.
  void PassOn();
  void Deliver(KeyPress key);

  const ursa::Game& game_;
  PlayPause& pause_;
  KeyIntake& intake_;
  KeySources keys_;
  PadKeys pads_{keys_};
  bool pauseOnFocusLoss_ = true;
  // Left and Right pressed during the pause: those still held when it ends go down then.
  std::vector<int> heldBack_;
};

}  // namespace ursa
