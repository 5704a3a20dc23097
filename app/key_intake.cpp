// The keys waiting for the rules, and what is written of each one the rules take.
// A key is written on the screen it was pressed on, before its step has run.
#include "app/key_intake.hpp"

namespace ursa {

void KeyIntake::Push(KeyPress key) {
  if (!Replaying()) waiting_.push_back(key);
}

std::optional<KeyPress> KeyIntake::Next(const Game& game, uint64_t framesRun) {
  if (replay_ != nullptr) {
    if (const std::optional<ScriptEvent> event = replay_->Take(game.screen, framesRun)) {
      return KeyPress{event->keyCode, event->down};
    }
  }
  const bool onScreen = game.screen == Screen::kTitle || game.screen == Screen::kEnding;
  while (!waiting_.empty()) {
    const KeyPress key = waiting_.front();
    waiting_.pop_front();
    if (!(keepOpen_ && onScreen && key.down && key.keyCode == kKeyEsc)) return key;
  }
  return std::nullopt;
}

void KeyIntake::Taken(const Game& game, Screen screen, KeyPress key, uint64_t framesRun) {
  const ScriptEvent event{framesRun, key.keyCode, key.down};
  if (recorder_ != nullptr) recorder_->Record(screen, event);
  // A key that started a game: a time attack's run begins with it, a normal game ends any run.
  if (game.next == NextStep::kStartGame && timeAttack_ != nullptr) {
    if (game.timeAttack) {
      timeAttack_->Begin(framesRun);
    } else {
      timeAttack_->End();
    }
  }
  if (timeAttack_ != nullptr) timeAttack_->Record(screen, event);
}

}  // namespace ursa
