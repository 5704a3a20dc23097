// The search for one stage: a beam over the frames of play, branching on the held keys every
// few frames, until a branch takes the player through the door without a miss.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/game.hpp"
#include "tools/ursa-route/key_plan.hpp"
#include "tools/ursa-route/search_limits.hpp"

namespace ursa::route {

struct SearchOptions {
  int framesPerStep = 3;   // the held keys may change once every this many frames
  int beamWidth = 20000;   // states kept per step
  int statesPerCell = 24;  // states kept per 50 x 50 cell of the stage, for variety
  int maxFrames = 3000;    // give up on the stage after this many frames of play
  int keyEventCost = 10;   // door distance a key event costs when the beam is pruned
  bool polish = true;      // trade key changes away where the door comes no later
  // The search gives up before a step whose states and trails would take more memory than
  // this, or when `stop` is set (by a signal handler).
  std::size_t maxBytes = kNoLimit;
  const std::atomic<bool>* stop = nullptr;
};

// The most memory one step of a beam takes for each state of its width, the trails aside.
std::size_t BeamBytesPerState();

struct SearchStats {
  int64_t framesRun = 0;                // frames of play simulated, over all branches
  int steps = 0;                        // steps of the beam
  std::size_t widestStep = 0;           // states kept in the fullest step
  SearchStop stop = SearchStop::kNone;  // why it gave up before it was done, if it did
};

// A way through one stage: its key events and the frames of play it takes, the door frame
// included. heldAtDoor is what stays held on the keyboard into the next stage.
struct StageRoute {
  std::vector<ScriptEvent> events;
  int frames = 0;
  uint8_t heldAtDoor = 0;
};

// Searches from `start`, a game just after the stage start, with `heldAtStart` still held on
// the keyboard from the previous stage. Returns nothing when no branch reached the door.
std::optional<StageRoute> FindStageRoute(const Game& start, uint8_t heldAtStart,
                                         const SearchOptions& options, SearchStats* stats);

}  // namespace ursa::route
