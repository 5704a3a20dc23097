// The pad's buttons and stick turned into presses and releases of the game's keys.
// Each button and the stick hold keys on their own, so the D-pad and the stick never undo each
// other.
#include "app/pad_keys.hpp"

#include <algorithm>
#include <optional>

#include "game/game_keys.hpp"

namespace ursa {
namespace {

// The stick is one control, next to the buttons (SDL numbers those from 0).
constexpr int kStickControl = 1000;

std::optional<int> ButtonKey(SDL_GameControllerButton button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
    case SDL_CONTROLLER_BUTTON_B:
      return kKeySpace;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return kKeyUp;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return kKeyLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return kKeyRight;
    case SDL_CONTROLLER_BUTTON_BACK:
      return kKeyEsc;
    case SDL_CONTROLLER_BUTTON_Y:
      return kKeyTimeAttack;
    default:
      return std::nullopt;
  }
}

int DirectionKey(int direction) { return direction < 0 ? kKeyLeft : kKeyRight; }

}  // namespace

void PadKeys::SetDeadZone(int deadZone) { deadZone_ = std::clamp(deadZone, 0, 32767); }

PadKeys::Start PadKeys::Handle(const tk::PadEvent& event) {
  using Kind = tk::PadEvent::Kind;
  switch (event.kind) {
    case Kind::kConnected:
      break;
    case Kind::kDisconnected:
      stickDirection_.erase(event.pad);
      keys_.ReleaseDevice(event.pad);
      break;
    case Kind::kButton: {
      if (event.button == SDL_CONTROLLER_BUTTON_START)
        return event.down ? Start::kDown : Start::kUp;
      const std::optional<int> key = ButtonKey(event.button);
      if (!key) break;
      const KeySource source{event.pad, event.button};
      if (event.down) {
        keys_.Press(source, *key);
      } else if (keys_.Holds(source, *key)) {
        keys_.Release(source, *key);
      }
      break;
    }
    case Kind::kAxis:
      if (event.axis == SDL_CONTROLLER_AXIS_LEFTX) MoveStick(event.pad, event.value);
      break;
  }
  return Start::kNone;
}

void PadKeys::MoveStick(int32_t pad, int value) {
  // The stick reaches one further left than right; both ends count the same.
  const int lean = std::max(value, -32767);
  const int direction = lean < -deadZone_ ? -1 : lean > deadZone_ ? 1 : 0;
  int& held = stickDirection_[pad];
  if (direction == held) return;
  const int before = held;
  held = direction;
  const KeySource source{pad, kStickControl};
  if (before != 0) keys_.Release(source, DirectionKey(before));
  if (direction != 0) keys_.Press(source, DirectionKey(direction));
}

}  // namespace ursa
