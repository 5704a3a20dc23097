// Whole-game routes: searching stage after stage, replaying each leg to check it and to reach
// the next stage start, and writing the script.
#include "tools/ursa-route/game_route.hpp"

#include <chrono>
#include <sstream>

#include "game/frame.hpp"
#include "game/null_host.hpp"
#include "game/stage_lifecycle.hpp"

namespace ursa::route {

namespace {

const char* KeyName(int keyCode) {
  switch (keyCode) {
    case kKeyLeft:
      return "Left";
    case kKeyRight:
      return "Right";
    case kKeyUp:
      return "Up";
    case kKeySpace:
      return "Space";
    case kKeyEnter:
      return "Enter";
    case kKeyEsc:
      return "Esc";
    default:
      return "?";
  }
}

}  // namespace

Game StartedGame(int16_t stage) {
  Game game;
  NullHost host;
  game.state.stage = stage;
  game.screen = Screen::kPlaying;
  StartStage(game, host);
  return game;
}

bool PlayStageRoute(Game& game, const StageRoute& route) {
  NullHost host;
  std::size_t next = 0;
  for (int frame = 0; frame < route.frames; ++frame) {
    while (next < route.events.size() && route.events[next].frame == frame) {
      ApplyKeyEvent(game, host, route.events[next++]);
    }
    const FrameResult result = RunFrame(game.state, host);
    if (result == FrameResult::kDoor) {
      if (frame != route.frames - 1 || next != route.events.size()) return false;
      StartStage(game, host);
      return true;
    }
    if (result != FrameResult::kNone) return false;
  }
  return false;
}

std::vector<StageLeg> FindGameRoute(int first, int last, const std::vector<int>& framesPerStep,
                                    SearchOptions options,
                                    const std::function<void(const StageLeg&)>& progress) {
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
    for (const KeyEvent& event : leg.route.events) {
      out << stageStart + event.frame << " " << KeyName(event.keyCode) << " "
          << (event.down ? "down" : "up") << "\n";
    }
    stageStart += leg.route.frames;
  }
  return out.str();
}

}  // namespace ursa::route
