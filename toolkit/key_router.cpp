// Keyboard routing: bound keys reach the game, F11 and Alt+Enter toggle the window mode,
// P and Pause pause. An Enter pressed with Alt stays away from the game until it is released.
#include "toolkit/key_router.hpp"

#include <algorithm>

namespace ursa::tk {
namespace {

bool EnterKey(SDL_Keycode key) { return key == SDLK_RETURN || key == SDLK_KP_ENTER; }

}  // namespace

void KeyRouter::SetBindings(const KeyBindings& bindings) {
  bindings_ = bindings;
  for (KeyBinding& binding : bindings_) {
    for (SDL_Keycode& key : binding.keys) {
      if (ReservedKey(key)) key = SDLK_UNKNOWN;
    }
  }
  held_.clear();
}

KeyRoute KeyRouter::Route(const SDL_KeyboardEvent& event) {
  const SDL_Keycode key = event.keysym.sym;
  const bool down = event.type == SDL_KEYDOWN;
  const bool repeat = event.repeat != 0;
  using Action = KeyRoute::Action;

  if (key == SDLK_F11) return {down && !repeat ? Action::kToggleFullscreen : Action::kNone, 0};
  if (key == SDLK_p || key == SDLK_PAUSE)
    return {down && !repeat ? Action::kPause : Action::kNone, 0};
  if (EnterKey(key)) {
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
  return RouteGameKey(key, down);
}

KeyRoute KeyRouter::RouteGameKey(SDL_Keycode key, bool down) {
  const auto code = BoundKeyCode(key, bindings_);
  if (!code) return {};
  const auto at = std::find(held_.begin(), held_.end(), key);
  if (down) {
    if (at == held_.end()) held_.push_back(key);
    return {KeyRoute::Action::kKeyDown, *code};
  }
  if (at != held_.end()) held_.erase(at);
  // The other key of the same game key is still held: the game key stays down.
  const bool otherHeld = std::any_of(held_.begin(), held_.end(), [&](SDL_Keycode k) {
    return BoundKeyCode(k, bindings_) == code;
  });
  if (otherHeld) return {};
  return {KeyRoute::Action::kKeyUp, *code};
}

}  // namespace ursa::tk
