// Pushing synthetic key, window and close events into SDL's queue; the pump cannot tell them
// from the keyboard's or the window manager's.
#include "harness/key_injection.hpp"

#include <string>

#include "game/game_keys.hpp"
#include "toolkit/error.hpp"
#include "toolkit/key_names.hpp"

namespace ursa::harness {
namespace {

void Push(SDL_Event& event) {
  if (SDL_PushEvent(&event) < 0) {
    throw tk::Error(std::string("cannot queue a window event: ") + SDL_GetError());
  }
}

}  // namespace

void PushKey(const tk::Form1& form, SDL_Keycode key, bool down, bool repeat, Uint16 modifiers) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.timestamp = SDL_GetTicks();
  event.key.windowID = form.WindowId();
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  event.key.keysym.mod = modifiers;
  Push(event);
}

void PushWindowEvent(const tk::Form1& form, SDL_WindowEventID what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.timestamp = SDL_GetTicks();
  event.window.windowID = form.WindowId();
  event.window.event = what;
  Push(event);
}

void PushClose() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  event.quit.timestamp = SDL_GetTicks();
  Push(event);
}

SDL_Keycode SdlKeyOf(int keyCode) {
  for (const GameKey& key : kGameKeys) {
    if (key.code == keyCode) return tk::KeyFromName(key.keyboard[0]);
  }
  return SDLK_UNKNOWN;
}

}  // namespace ursa::harness
