// Synthetic window events for tests and tools: real SDL events pushed into the queue, so
// they travel the same path as the keyboard's and the window manager's.
#pragma once

#include <SDL.h>

namespace ursa::tk {

// A key press or release of `key` as the keyboard would send it; `repeat` marks a held
// key's auto-repeat, `modifiers` the held Alt, Shift or Ctrl (KMOD_* bits).
void PushKeyEvent(Uint32 windowId, SDL_Keycode key, bool down, bool repeat = false,
                  Uint16 modifiers = KMOD_NONE);
// The window being closed by its user.
void PushCloseEvent();

}  // namespace ursa::tk
