// A stage's fewest frames: the beam's route first, then the exhaustive search below it, and
// every route replayed through the real key handlers and frames before it is believed.
#include "tools/ursa-route/stage_optimum.hpp"

#include <algorithm>
#include <chrono>
#include <new>
#include <sstream>
#include <stdexcept>

#include "game/game_keys.hpp"
#include "tools/ursa-route/door_replay.hpp"
#include "tools/ursa-route/game_route.hpp"
#include "tools/ursa-route/optimal_bound.hpp"
#include "tools/ursa-route/timed_bound.hpp"

namespace ursa::route {

namespace {

// The frames a route takes from the stage start to the door, or nothing when it misses it.
std::optional<int> Replayed(int stage, const std::vector<ScriptEvent>& events, int frames) {
  Game game = StartedGame(static_cast<int16_t>(stage));
  return PlayToDoor(game, events, frames);
}

}  // namespace

StageOptimum FindStageOptimum(int stage, OptimalOptions limits,
                              const std::function<void(int, std::size_t)>& progress,
                              const std::function<void(const StageOptimum&)>& known) {
  StageOptimum optimum;
  optimum.stage = stage;
  const GameState start = StartedGame(static_cast<int16_t>(stage)).state;

  // The beam first, narrowed where the memory is short: half of it for a step, half for the
  // trails of the steps before it.
  SearchOptions beamOptions;
  beamOptions.beamWidth =
      static_cast<int>(std::clamp<std::size_t>(limits.maxBytes / (2 * BeamBytesPerState()), 1,
                                               static_cast<std::size_t>(beamOptions.beamWidth)));
  beamOptions.maxBytes = limits.maxBytes;
  beamOptions.stop = limits.stop;
  std::vector<StageLeg> beam;
  try {
    beam = FindGameRoute(stage, stage, {4, 3, 2, 1}, beamOptions, nullptr, &optimum.stop);
  } catch (const std::bad_alloc&) {
    optimum.stop = SearchStop::kMemory;
  }
  const int knownFrames = beam.empty() ? limits.maxFrames : beam.front().route.frames;
  if (!beam.empty()) {
    optimum.frames = knownFrames;
    optimum.events = beam.front().route.events;
  }

  // The plain search looks at every route up to the beam's. The reduced one first only at
  // routes a little longer than the bounds allow from the start, then at longer ones: each
  // search that finds nothing proves that no route is that short, and cheaply, as the bounds
  // drop more of the states the shorter the routes looked for. The bounds from the start are
  // worked out where they fit in the memory.
  int lowest = 1;
  if (limits.reduce && optimum.stop != SearchStop::kInterrupted) {
    if (DoorBound::BytesFor(start, 0) <= limits.maxBytes) {
      lowest = DoorBound(start, {}).FramesLeft(start);
    }
    if (optimum.stop == SearchStop::kNone &&
        TimedBound::BytesFor(start, knownFrames) <= limits.maxBytes) {
      lowest = std::max(lowest, TimedBound::FewestFrames(start, knownFrames));
    }
  }
  optimum.lowerBound = lowest;
  if (optimum.stop != SearchStop::kNone) return optimum;
  if (known) known(optimum);

  const auto started = std::chrono::steady_clock::now();
  const double seconds = limits.maxSeconds;
  try {
    for (int slack = 8;; slack *= 2) {
      limits.maxFrames = limits.reduce ? std::min(lowest + slack, knownFrames) : knownFrames;
      limits.maxSeconds =
          seconds -
          std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      OptimalStats stats;
      const OptimalRoute route = FindOptimalRoute(start, limits, &stats, progress);
      optimum.stats.framesRun += stats.framesRun;
      optimum.stats.statesKept += stats.statesKept;
      optimum.stats.widestLayer = std::max(optimum.stats.widestLayer, stats.widestLayer);
      optimum.stats.framesSearched = stats.framesSearched;
      optimum.stats.peakBytes = std::max(optimum.stats.peakBytes, stats.peakBytes);
      lowest = std::max(lowest, route.lowerBound);
      if (!route.choices.empty()) {
        optimum.events = ChoiceEvents(start, route.choices);
        optimum.frames = route.Frames();
        optimum.proven = route.Proven();
        break;
      }
      // The beam's route takes `known` frames: a search of every route up to it that found
      // nothing would be wrong.
      if (!beam.empty() && lowest > knownFrames) {
        throw std::logic_error("the exhaustive search missed the beam's route");
      }
      optimum.stop = route.stop;
      // Stopped at its limits, or no route at all: the beam's route is the best known.
      if (route.stop != SearchStop::kNone || lowest <= limits.maxFrames ||
          limits.maxFrames == knownFrames) {
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    // Past what the searches count: the bounds proven so far stand.
    optimum.stop = SearchStop::kMemory;
  }
  optimum.lowerBound = std::min(lowest, optimum.frames == 0 ? lowest : optimum.frames);
  if (optimum.frames != 0 && Replayed(stage, optimum.events, optimum.frames) != optimum.frames) {
    throw std::logic_error("a route that does not replay through the door");
  }
  return optimum;
}

std::string OptimumLine(const StageOptimum& optimum) {
  std::ostringstream line;
  line << "stage " << optimum.stage << ": ";
  if (optimum.frames == 0) {
    line << "no route found, none under " << optimum.lowerBound << " frames";
  } else if (optimum.proven) {
    line << optimum.frames << " frames, proven";
  } else {
    line << optimum.frames << " frames, best known, none under " << optimum.lowerBound;
  }
  return line.str();
}

std::string OptimumScriptText(const StageOptimum& optimum) {
  std::ostringstream out;
  out << "# Stage " << optimum.stage << " from its start through the door in " << optimum.frames
      << " frames, "
      << (optimum.proven
              ? "the fewest (proven by ursa-route --optimal)"
              : "the fewest known; none can take under " + std::to_string(optimum.lowerBound))
      << ".\n";
  for (const ScriptEvent& event : optimum.events) {
    out << event.frame << " " << KeyName(event.keyCode) << " " << (event.down ? "down" : "up")
        << "\n";
  }
  return out.str();
}

}  // namespace ursa::route
