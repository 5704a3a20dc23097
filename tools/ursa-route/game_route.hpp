// A route through the whole game: one stage route after another, each searched from the exact
// state the previous door left, and written out as an ursa-sim script.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game.hpp"
#include "tools/ursa-route/stage_search.hpp"

namespace ursa::route {

struct StageLeg {
  int stage = 0;
  StageRoute route;
  SearchStats stats;
  int framesPerStep = 0;  // the step of the search that found it
  double seconds = 0;     // time the search took
};

// A game as ursa-sim starts one: stage `stage`, no misses, frameCount 0, the stage started.
Game StartedGame(int16_t stage);

// Plays a stage route from the stage start through the real key handlers and frames, and on
// through the door into the next stage start. Returns false (leaving `game` where play stopped)
// unless the door comes exactly at the route's last frame, with no miss before it.
bool PlayStageRoute(Game& game, const StageRoute& route);

// Searches stages first..last in turn, trying the steps of `framesPerStep` in order for each.
// `progress` hears of every stage found. Returns the legs found; fewer than asked for when a
// stage resisted the search, or when the search stopped at its memory or was stopped, which
// `stopped` (when given) then tells.
std::vector<StageLeg> FindGameRoute(int first, int last, const std::vector<int>& framesPerStep,
                                    SearchOptions options,
                                    const std::function<void(const StageLeg&)>& progress,
                                    SearchStop* stopped = nullptr);

// The ursa-sim script of the legs, played from the first leg's stage start at frame 0: a '#'
// line at the start of each stage's part, event frames counted over the whole game.
std::string ScriptText(const std::vector<StageLeg>& legs);

}  // namespace ursa::route
