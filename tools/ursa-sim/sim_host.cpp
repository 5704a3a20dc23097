// The simulator's host: a trace line for every frame of play, numbered from the script's start.
#include "tools/ursa-sim/sim_host.hpp"

#include "tools/ursa-sim/trace_format.hpp"

namespace ursa::sim {

void SimHost::FrameEnded(const GameState& s, FrameResult result) {
  if (trace_ != nullptr) WriteTraceLine(trace_, FramesRun(), s, result);
  KeyScriptPlay::FrameEnded(s, result);
}

}  // namespace ursa::sim
