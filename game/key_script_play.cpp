// Playing a key script on a virtual clock.
// Keys are due only after the pumps between frames, never during a death or on the way out.
#include "game/key_script_play.hpp"

namespace ursa {

bool OpensTimeAttack(std::span<const ScriptEvent> events) {
  return !events.empty() && events.front().frame == 0 && events.front().down &&
         events.front().keyCode == kKeyTimeAttack;
}

KeyScriptPlay::KeyScriptPlay(Game& game, std::span<const ScriptEvent> events, uint64_t frameLimit)
    : game_(game), keys_(events), timeAttack_(OpensTimeAttack(events)), frameLimit_(frameLimit) {}

void KeyScriptPlay::Begin() {
  if (timeAttack_) {
    BeginTimeAttack(game_);
  } else {
    BeginGame(game_);
  }
}

bool KeyScriptPlay::Step() {
  if (game_.quit) return false;
  const StepWait wait = RunGame(game_, *this);
  if (game_.quit || wait.pump == PumpKind::kScreen) return false;
  Pump(wait);
  return !game_.quit;
}

void KeyScriptPlay::Run() {
  Begin();
  while (Step()) {
  }
}

void KeyScriptPlay::Pump(const StepWait& wait) {
  if (wait.pump == PumpKind::kWaiting) WaitUntil(wait.wakeAtMs);
  if (wait.pump != PumpKind::kWaiting && wait.pump != PumpKind::kAfterFrame) return;
  if (framesRun_ == frameLimit_) {
    limitReached_ = true;
    game_.quit = true;
    return;
  }
  keysDue_ = true;
}

std::optional<KeyPress> KeyScriptPlay::NextKey(const Game& /*game*/) {
  if (!keysDue_) return std::nullopt;
  const std::optional<KeyPress> key = keys_.Next(framesRun_);
  keysDue_ = key.has_value();
  return key;
}

void KeyScriptPlay::FrameEnded(const GameState& /*s*/, FrameResult /*result*/) {
  ++framesRun_;
  keysDue_ = false;
}

}  // namespace ursa
