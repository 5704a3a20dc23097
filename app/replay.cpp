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

std::optional<ScriptEvent> KeyReplay::Take(Screen screen, uint64_t framesRun) {
  while (!Done()) {
    if (std::optional<ScriptEvent> event = Next(screen, framesRun)) return event;
    if (screen != Screen::kTitle && screen != Screen::kEnding) return std::nullopt;
    if (screen == Screen::kTitle && next_ == 0 && !startedPlay_) {
      startedPlay_ = true;
      return ScriptEvent{framesRun, kKeyEnter, true};
    }
    next_ = events_.size();
  }
  return std::nullopt;
}

}  // namespace ursa
