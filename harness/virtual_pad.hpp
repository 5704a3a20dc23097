// VirtualPad: a game pad that exists only in SDL (a virtual joystick in the standard pad
// layout), plugged in and out and moved by tests and tools as a player's hands would.
#pragma once

#include <SDL.h>

namespace ursa::harness {

class VirtualPad {
 public:
  // Plugs the pad in; SDL's pad support must be running (a Form1 starts it). Pad events
  // reach an unfocused window too while a virtual pad is plugged in, since headless windows
  // never get the focus. Throws tk::Error when SDL refuses.
  VirtualPad();
  // Unplugs it if it is still plugged in.
  ~VirtualPad();
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  // Takes effect at the window's next event pump, as a real pad's change would.
  void SetButton(SDL_GameControllerButton button, bool down);
  void SetAxis(SDL_GameControllerAxis axis, int value);
  // Pulled out: SDL reports the removal at the next event pump.
  void Unplug();
  bool Plugged() const { return joystick_ != nullptr; }

 private:
  SDL_Joystick* joystick_ = nullptr;
  int deviceIndex_ = -1;
};

}  // namespace ursa::harness
