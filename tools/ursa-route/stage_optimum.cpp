// A stage's fewest frames: the beam's route first, then the exhaustive search below it, and
// every route replayed through the real key handlers and frames before it is believed.
#include "tools/ursa-route/stage_optimum.hpp"

#include <algorithm>
#include <chrono>
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
                              const std::function<void(int, std::size_t)>& progress) {
  StageOptimum optimum;
  optimum.stage = stage;
  const std::vector<StageLeg> beam =
      FindGameRoute(stage, stage, {4, 3, 2, 1}, SearchOptions{}, nullptr);
  const GameState start = StartedGame(static_cast<int16_t>(stage)).state;
  const int known = beam.empty() ? limits.maxFrames : beam.front().route.frames;

  // The plain search looks at every route up to the beam's. The reduced one first only at
  // routes a little longer than the bounds allow from the start, then at longer ones: each
  // search that finds nothing proves that no route is that short, and cheaply, as the bounds
  // drop more of the states the shorter the routes looked for.
  int lowest = 1;
  if (limits.reduce) {
    lowest =
        std::max(DoorBound(start, {}).FramesLeft(start), TimedBound::FewestFrames(start, known));
  }
  const auto started = std::chrono::steady_clock::now();
  const double seconds = limits.maxSeconds;
  for (int slack = 8;; slack *= 2) {
    limits.maxFrames = limits.reduce ? std::min(lowest + slack, known) : known;
    limits.maxSeconds =
        seconds - std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    OptimalStats stats;
    const OptimalRoute route = FindOptimalRoute(start, limits, &stats, progress);
    optimum.stats.framesRun += stats.framesRun;
    optimum.stats.statesKept += stats.statesKept;
    optimum.stats.widestLayer = std::max(optimum.stats.widestLayer, stats.widestLayer);
    optimum.stats.framesSearched = stats.framesSearched;
    lowest = std::max(lowest, route.lowerBound);
    if (!route.choices.empty()) {
      optimum.frames = route.Frames();
      optimum.proven = route.Proven();
      optimum.events = ChoiceEvents(start, route.choices);
      break;
    }
    // The beam's route takes `known` frames: a search of every route up to it that found
    // nothing would be wrong.
    if (!beam.empty() && lowest > known) {
      throw std::logic_error("the exhaustive search missed the beam's route");
    }
    if (lowest <= limits.maxFrames || limits.maxFrames == known) {
      // Stopped at its limits, or no route at all.
      if (!beam.empty()) {
        optimum.frames = known;
        optimum.events = beam.front().route.events;
      }
      break;
    }
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
