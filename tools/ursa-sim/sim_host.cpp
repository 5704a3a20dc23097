// The simulator's host.
// Keys reach the game only in the pumps between frames, never during a death or on the way out.
#include "tools/ursa-sim/sim_host.hpp"

#include "tools/ursa-sim/trace_format.hpp"

namespace ursa::sim {

SimHost::SimHost(Game& game, std::span<const ScriptEvent> events, uint64_t frameLimit,
                 std::FILE* trace)
    : game_(game), keys_(events), frameLimit_(frameLimit), trace_(trace) {}

void SimHost::Run() {
  BeginGame(game_);
  while (true) {
    const StepWait wait = RunGame(game_, *this);
    if (game_.quit || wait.pump == PumpKind::kScreen) return;
    Pump(wait);
  }
}

void SimHost::Pump(const StepWait& wait) {
  if (wait.pump == PumpKind::kWaiting) WaitUntil(wait.wakeAtMs);
  if (wait.pump != PumpKind::kWaiting && wait.pump != PumpKind::kAfterFrame) return;
  if (framesRun_ == frameLimit_) {
    limitReached_ = true;
    game_.quit = true;
    return;
  }
  keys_.DeliverFrame(game_, *this, framesRun_);
}

void SimHost::FrameEnded(const GameState& s, FrameResult result) {
  if (trace_ != nullptr) WriteTraceLine(trace_, framesRun_, s, result);
  ++framesRun_;
}

}  // namespace ursa::sim
