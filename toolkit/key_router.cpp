// Keyboard routing: the six game keys pass, F11 and Alt+Enter toggle the window mode.
// An Enter pressed with Alt stays away from the game until it is released.
#include "toolkit/key_router.hpp"

#include "toolkit/key_codes.hpp"

namespace ursa::tk {

KeyRoute KeyRouter::Route(const SDL_KeyboardEvent& event) {
  const bool down = event.type == SDL_KEYDOWN;
  const bool repeat = event.repeat != 0;
  const auto code = GameKeyCode(event.keysym.sym);
  using Action = KeyRoute::Action;

  if (event.keysym.sym == SDLK_F11) {
    return {down && !repeat ? Action::kToggleFullscreen : Action::kNone, 0};
  }
  if (code == kKeyEnter) {
    if (down && (event.keysym.mod & KMOD_ALT) != 0) {
      const bool first = !enterHeldForToggle_ && !repeat;
      enterHeldForToggle_ = true;
      return {first ? Action::kToggleFullscreen : Action::kNone, 0};
    }
    if (enterHeldForToggle_) {
      if (!down) enterHeldForToggle_ = false;
      return {};
    }
  }
  if (!code) return {};
  return {down ? Action::kKeyDown : Action::kKeyUp, *code};
}

}  // namespace ursa::tk
