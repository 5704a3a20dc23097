// The fewest frames of play that clear a stage from its start: every input in every frame tried
// over the real rules, frame by frame, with the states that play on alike kept once.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/game_state.hpp"
#include "game/key_script.hpp"
#include "tools/ursa-route/search_limits.hpp"

namespace ursa::route {

// A frame's input: a direction (left, none, right) and whether the jump key is down and unused
// when the frame runs (pressed afresh, or a press still pending).
inline constexpr int kFrameChoices = 6;
inline int ChoiceDirection(uint8_t choice) { return choice % 3 - 1; }
inline bool ChoiceJump(uint8_t choice) { return choice >= 3; }
inline uint8_t Choice(int direction, bool jump) {
  return static_cast<uint8_t>(direction + 1 + (jump ? 3 : 0));
}

struct OptimalOptions {
  // Only routes of at most this many frames are looked for.
  int maxFrames = 3000;
  // The search stops, unproven, where its tables and bounds would take more memory than this:
  // they grow no further.
  std::size_t maxBytes = kNoLimit;
  // And when it has run this long,
  double maxSeconds = 3600;
  // or when this is set (by a signal handler).
  const std::atomic<bool>* stop = nullptr;
  // The reductions that are proven safe (tools/ursa-route/optimal_search.cpp says why): off, the
  // plain search that the reduced one is checked against.
  bool reduce = true;
};

struct OptimalStats {
  int64_t framesRun = 0;        // frames of play simulated
  int64_t statesKept = 0;       // states kept over all frames
  std::size_t widestLayer = 0;  // states kept after the busiest frame
  int framesSearched = 0;       // frames of play the search got through
  std::size_t peakBytes = 0;    // the most memory it counted at once
};

struct OptimalRoute {
  // The input of a route with the fewest frames, the door frame last; empty when no route of
  // at most maxFrames was found.
  std::vector<uint8_t> choices;
  // No route through the door takes fewer frames than this.
  int lowerBound = 0;
  // Why the search ended before it found a route or proved that none is that short.
  SearchStop stop = SearchStop::kNone;

  int Frames() const { return static_cast<int>(choices.size()); }
  bool Proven() const { return !choices.empty() && Frames() == lowerBound; }
};

// Searches from `start`, a state as a stage start leaves it. `progress`, when given, hears
// after each frame searched how many states it left.
OptimalRoute FindOptimalRoute(
    const GameState& start, const OptimalOptions& options, OptimalStats* stats,
    const std::function<void(int frame, std::size_t states)>& progress = nullptr);

// The key events that give the game these choices frame by frame from `start`, frames counted
// from its first frame: a direction key is released before another is pressed, and the jump
// key is released and pressed again where a fresh press is needed.
std::vector<ScriptEvent> ChoiceEvents(const GameState& start, const std::vector<uint8_t>& choices);

}  // namespace ursa::route
