// Key replay: which script key the game takes at which moment.
// A replayed key reaches the game on the screen and in the frame a recording saw it arrive.
#include "app/replay.hpp"

namespace ursa {

bool RulesActOn(Screen screen, const ScriptEvent& event) {
  switch (screen) {
    case Screen::kPlaying:
      return true;
    case Screen::kDying:
      return event.down && event.keyCode == kKeyEsc;
    case Screen::kTitle:
      return event.down && (event.keyCode == kKeyEnter || event.keyCode == kKeyEsc ||
                            event.keyCode == kKeyTimeAttack);
    case Screen::kEnding:
      return event.down && (event.keyCode == kKeyEnter || event.keyCode == kKeyEsc);
    case Screen::kLeaving:
      return false;
  }
  return false;
}

std::optional<ScriptEvent> KeyReplay::Next(Screen screen, uint64_t framesRun) {
  const bool onScreen = screen == Screen::kTitle || screen == Screen::kEnding;
  if (!onScreen && screen != Screen::kPlaying) return std::nullopt;
  while (!Done()) {
    const ScriptEvent& event = events_[next_];
    if (event.frame > framesRun) return std::nullopt;
    const bool afterEsc = escInPlayAt_ == event.frame;
    if (afterEsc && !onScreen) return std::nullopt;
    if (!RulesActOn(screen, event)) {
      if (!afterEsc) return std::nullopt;
      ++next_;
      continue;
    }
    ++next_;
    if (onScreen) escInPlayAt_.reset();
    if (screen == Screen::kPlaying && event.down && event.keyCode == kKeyEsc) {
      escInPlayAt_ = event.frame;
    }
    return event;
  }
  return std::nullopt;
}

void KeyReplay::Play(const Game& game, const std::function<uint64_t()>& framesRun,
                     const std::function<void(const ScriptEvent&)>& deliver) {
  while (!Done() && !game.quit && !StepBeforeNextKey(game)) {
    if (const std::optional<ScriptEvent> event = Next(game.screen, framesRun())) {
      deliver(*event);
      continue;
    }
    if (game.screen != Screen::kTitle && game.screen != Screen::kEnding) return;
    if (game.screen == Screen::kTitle && next_ == 0 && !startedPlay_) {
      startedPlay_ = true;
      deliver({framesRun(), kKeyEnter, true});
      continue;
    }
    next_ = events_.size();
  }
}

}  // namespace ursa
