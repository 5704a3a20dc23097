// Whole-game routes: searching stage after stage, replaying each leg to check it and to reach
// the next stage start, and writing the script.
#include "tools/ursa-route/game_route.hpp"

#include <chrono>
#include <sstream>

#include "game/game_keys.hpp"
#include "game/null_host.hpp"
#include "game/stage_lifecycle.hpp"
#include "tools/ursa-route/door_replay.hpp"

namespace ursa::route {

Game StartedGame(int16_t stage) {
  Game game;
  NullHost host;
  game.state.stage = stage;
  game.screen = Screen::kPlaying;
  StartStage(game, host);
  return game;
}

bool PlayStageRoute(Game& game, const StageRoute& route) {
  if (PlayToDoor(game, route.events, route.frames) != route.frames) return false;
  // Every event must have been heard by the door frame.
  if (!route.events.empty() && route.events.back().frame >= static_cast<uint64_t>(route.frames)) {
    return false;
  }
  NullHost host;
  StartStage(game, host);
  return true;
}

std::vector<StageLeg> FindGameRoute(int first, int last, const std::vector<int>& framesPerStep,
                                    SearchOptions options,
                                    const std::function<void(const StageLeg&)>& progress,
                                    SearchStop* stopped) {
  std::vector<StageLeg> legs;
  Game game = StartedGame(static_cast<int16_t>(first));
  uint8_t held = 0;
  for (int stage = first; stage <= last; ++stage) {
    std::optional<StageLeg> found;
    for (int step : framesPerStep) {
      options.framesPerStep = step;
      StageLeg leg;
      leg.stage = stage;
      leg.framesPerStep = step;
      const auto started = std::chrono::steady_clock::now();
      std::optional<StageRoute> route = FindStageRoute(game, held, options, &leg.stats);
      leg.seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      if (!route && leg.stats.stop != SearchStop::kNone) {
        // A narrower step needs more memory and time, not less.
        if (stopped != nullptr) *stopped = leg.stats.stop;
        return legs;
      }
      if (!route) continue;
      leg.route = std::move(*route);
      found = std::move(leg);
      break;
    }
    if (!found || !PlayStageRoute(game, found->route)) return legs;
    held = found->route.heldAtDoor;
    if (progress) progress(*found);
    legs.push_back(std::move(*found));
  }
  return legs;
}

std::string ScriptText(const std::vector<StageLeg>& legs) {
  std::ostringstream out;
  int stageStart = 0;
  for (const StageLeg& leg : legs) {
    out << "# Stage " << leg.stage << ": frames " << stageStart << " to "
        << stageStart + leg.route.frames - 1 << ", through the door at frame "
        << stageStart + leg.route.frames - 1 << "\n";
    for (const ScriptEvent& event : leg.route.events) {
      out << stageStart + event.frame << " " << KeyName(event.keyCode) << " "
          << (event.down ? "down" : "up") << "\n";
    }
    stageStart += leg.route.frames;
  }
  return out.str();
}

}  // namespace ursa::route
