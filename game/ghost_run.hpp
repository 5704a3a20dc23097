// GhostRun: a time attack's best run played again beside the player's, by the same rules from
// its recording, in lockstep with the player's run timer. Its game is its own: nothing of it
// touches the player's.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game.hpp"
#include "game/key_script.hpp"
#include "game/key_script_play.hpp"

namespace ursa {

class GhostRun {
 public:
  // `events`: the recording of a time attack (it opens with the time attack's key at frame 0).
  explicit GhostRun(std::vector<ScriptEvent> events);
  GhostRun(const GhostRun&) = delete;
  GhostRun& operator=(const GhostRun&) = delete;

  // Plays the ghost's run on until its timer has counted `frames` (the frame it counts then
  // has run), or its run is over. A timer behind the ghost's leaves it where it is.
  void StepTo(int32_t frames);

  // The ghost's game while its bear is in a stage (in play or dying), for drawing it; nothing
  // once its run is over or on its way out of a stage.
  const GameState* Bear() const;
  const RunTimer& Run() const { return game_.run; }

 private:
  std::vector<ScriptEvent> events_;
  Game game_;
  KeyScriptPlay play_;
  bool over_ = false;
};

}  // namespace ursa
