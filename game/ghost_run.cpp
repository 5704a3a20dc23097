// The ghost's run: a time attack of its own, stepped one counted frame at a time.
// Each step of its game counts at most one frame on its timer, so it stops on the very frame.
#include "game/ghost_run.hpp"

namespace ursa {

GhostRun::GhostRun(std::vector<ScriptEvent> events)
    : events_(std::move(events)), play_(game_, events_) {
  BeginTimeAttack(game_);
}

void GhostRun::StepTo(int32_t frames) {
  while (!over_ && game_.run.frames < frames) over_ = !play_.Step();
}

const GameState* GhostRun::Bear() const {
  if (over_ || !game_.timeAttack) return nullptr;
  const bool inStage = game_.screen == Screen::kPlaying || game_.screen == Screen::kDying;
  return inStage && game_.state.running != kFalse ? &game_.state : nullptr;
}

}  // namespace ursa
