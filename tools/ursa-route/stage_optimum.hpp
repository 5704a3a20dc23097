// The fewest frames that clear one stage from its start: the beam search's route bounds them,
// the exhaustive search finds the best route within that bound and so proves it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/key_script.hpp"
#include "tools/ursa-route/optimal_search.hpp"

namespace ursa::route {

struct StageOptimum {
  int stage = 0;
  int frames = 0;                       // frames of play of the route, the door frame included
  bool proven = false;                  // no route takes fewer frames
  int lowerBound = 0;                   // no route takes fewer frames than this
  SearchStop stop = SearchStop::kNone;  // why the search ended before its proof, if it did
  std::vector<ScriptEvent> events;      // frames counted from the stage's first frame
  OptimalStats stats;
};

// Searches `stage` within the memory and time of `limits`, all it holds counted, until
// `limits.stop` is set. When the search stops at its limits, the route is the beam search's, the
// best known (none when the beam stopped first), with the lower bound the exhaustive search got
// to. `progress` hears of every frame the exhaustive search gets through; `known`, when it
// starts, of the beam's route and the bound from the start.
StageOptimum FindStageOptimum(
    int stage, OptimalOptions limits,
    const std::function<void(int frame, std::size_t states)>& progress = nullptr,
    const std::function<void(const StageOptimum& known)>& known = nullptr);

// "stage N: F frames, proven", or "stage N: F frames, best known, no route under L".
std::string OptimumLine(const StageOptimum& optimum);

// The route as an ursa-sim script for `ursa-sim trace --stage N`, with a comment line that says
// what it is.
std::string OptimumScriptText(const StageOptimum& optimum);

}  // namespace ursa::route
