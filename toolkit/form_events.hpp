// The window's events as the game's shell receives them, one at a time on the one thread.
// Key codes are the program's own, sent by the keys its bindings name (key_bindings.hpp).
#pragma once

#include "toolkit/pad_event.hpp"

namespace ursa::tk {

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // Start-up, delivered first by Form1::Run.
  virtual void Load() = 0;
  // A game key went down; a held key's auto-repeat delivers it again.
  virtual void KeyDown(int keyCode) = 0;
  virtual void KeyUp(int keyCode) = 0;
  // The window is being closed (also on SIGINT/SIGTERM).
  virtual void QueryUnload() = 0;
  // P or Pause went down (never a repeat).
  virtual void PauseKey() {}
  // The window lost the keyboard focus or was minimised (false), or has the focus again (true).
  virtual void FocusChanged(bool /*focused*/) {}
  // A game pad was connected or removed, or one of its buttons or sticks moved.
  virtual void Pad(const PadEvent& /*event*/) {}
  // The event pump is about to deliver what is pending: every DoEvents, before any wait. A
  // play harness acts here at chosen moments of play.
  virtual void Pumping() {}
};

}  // namespace ursa::tk
