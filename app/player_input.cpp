// The player's keys on their way to the game: joined across devices, held back while paused.
// Pad Start is Enter on the title and ending screens and the pause key in play.
#include "app/player_input.hpp"

#include <algorithm>
#include <utility>

namespace ursa {
namespace {

constexpr KeySource kKeyboard{kKeyboardDevice, 0};

}  // namespace

PlayerInput::PlayerInput(const ursa::Game& game, PlayPause& pause, KeyIntake& intake)
    : game_(game), pause_(pause), intake_(intake) {
  SetOptions(InputOptions{});
}

void PlayerInput::SetOptions(const InputOptions& options) {
  pads_.SetDeadZone(options.padDeadZone);
  pauseOnFocusLoss_ = options.pauseOnFocusLoss;
}

void PlayerInput::KeyboardKey(int keyCode, bool down) {
  if (down) {
    keys_.Press(kKeyboard, keyCode);
  } else {
    keys_.Release(kKeyboard, keyCode);
  }
  PassOn();
}

void PlayerInput::PauseKey() {
  if (pause_.Paused() || InPlay()) TogglePause();
}

void PlayerInput::FocusChanged(bool focused) {
  // Focus coming back does not resume: the player does, when ready.
  if (!focused && pauseOnFocusLoss_ && InPlay()) pause_.Pause();
}

void PlayerInput::ReleaseKeyboard() {
  keys_.ReleaseDevice(kKeyboardDevice);
  PassOn();
}

void PlayerInput::Pad(const tk::PadEvent& event) {
  const KeySource start{event.pad, SDL_CONTROLLER_BUTTON_START};
  switch (pads_.Handle(event)) {
    case PadKeys::Start::kDown:
      if (pause_.Paused() || InPlay()) {
        TogglePause();
      } else if (game_.screen == Screen::kTitle || game_.screen == Screen::kEnding) {
        keys_.Press(start, kKeyEnter);
      }
      break;
    case PadKeys::Start::kUp:
      if (keys_.Holds(start, kKeyEnter)) keys_.Release(start, kKeyEnter);
      break;
    case PadKeys::Start::kNone:
      break;
  }
  PassOn();
}

bool PlayerInput::InPlay() const {
  return game_.screen == Screen::kPlaying || game_.screen == Screen::kDying;
}

void PlayerInput::TogglePause() {
  if (pause_.Paused()) {
    Resume();
  } else {
    pause_.Pause();
  }
}

void PlayerInput::Resume() {
  pause_.Resume();
  std::vector<int> held = std::exchange(heldBack_, {});
  for (const int keyCode : held) {
    if (keys_.Held(keyCode)) intake_.Push({keyCode, true});
  }
}

void PlayerInput::PassOn() {
  for (const KeyPress key : keys_.TakeChanges()) Deliver(key);
}

void PlayerInput::Deliver(KeyPress key) {
  if (!pause_.Paused() || !key.down) {
    if (!key.down) std::erase(heldBack_, key.keyCode);
    intake_.Push(key);
    return;
  }
  if (key.keyCode == kKeyEsc) {
    // Esc ends the pause and then does what it does in play: back to the title.
    Resume();
    intake_.Push(key);
  } else if (key.keyCode == kKeyLeft || key.keyCode == kKeyRight) {
    std::erase(heldBack_, key.keyCode);
    heldBack_.push_back(key.keyCode);
  }
}

}  // namespace ursa
