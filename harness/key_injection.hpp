// Synthetic window events for tests, tools and benchmarks: real SDL events pushed into the
// queue, so they travel the same path as the keyboard's and the window manager's.
#pragma once

#include <SDL.h>

#include "toolkit/form1.hpp"

namespace ursa::harness {

// A key press or release of `key` for `form`'s window, as the keyboard would send it;
// `repeat` marks a held key's auto-repeat, `modifiers` the held Alt, Shift or Ctrl (KMOD_*).
void PushKey(const tk::Form1& form, SDL_Keycode key, bool down, bool repeat = false,
             Uint16 modifiers = KMOD_NONE);
// The window being closed by its user.
void PushClose();
// A window event such as SDL_WINDOWEVENT_FOCUS_LOST or SDL_WINDOWEVENT_MINIMIZED for `form`'s
// window, as the window manager would send it.
void PushWindowEvent(const tk::Form1& form, SDL_WindowEventID what);

// The keyboard key that sends a game key code by default (the main Enter for Enter);
// SDLK_UNKNOWN for other codes.
SDL_Keycode SdlKeyOf(int keyCode);

}  // namespace ursa::harness
