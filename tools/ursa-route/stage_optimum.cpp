// A stage's fewest frames: the beam's route first, then the exhaustive search below it, and
// every route replayed through the real key handlers and frames before it is believed.
#include "tools/ursa-route/stage_optimum.hpp"

#include <sstream>
#include <stdexcept>

#include "game/game_keys.hpp"
#include "tools/ursa-route/door_replay.hpp"
#include "tools/ursa-route/game_route.hpp"

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
  if (!beam.empty()) limits.maxFrames = beam.front().route.frames;

  const GameState start = StartedGame(static_cast<int16_t>(stage)).state;
  const OptimalRoute route = FindOptimalRoute(start, limits, &optimum.stats, progress);
  optimum.lowerBound = route.lowerBound;
  if (!route.choices.empty()) {
    optimum.frames = route.Frames();
    optimum.proven = route.Proven();
    optimum.events = ChoiceEvents(start, route.choices);
  } else if (!beam.empty()) {
    // The beam's route is a route of maxFrames frames: an exhaustive search that got through
    // all of them without finding one would be wrong.
    if (route.lowerBound > limits.maxFrames) {
      throw std::logic_error("the exhaustive search missed the beam's route");
    }
    optimum.frames = beam.front().route.frames;
    optimum.events = beam.front().route.events;
  }
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
