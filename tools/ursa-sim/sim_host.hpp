// SimHost: the simulator's game host and its loop. It steps the game, feeds the script's keys
// between frames, stops play at the frame limit and reports every frame that ran.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

#include "game/game.hpp"
#include "game/key_feed.hpp"
#include "game/null_host.hpp"

namespace ursa::sim {

class SimHost : public NullHost {
 public:
  // `trace` receives one line per frame that ran; nullptr prints nothing.
  SimHost(Game& game, std::span<const ScriptEvent> events, uint64_t frameLimit, std::FILE* trace);

  // Plays from the game's current stage until a screen shows or the frame limit is reached.
  void Run();
  void FrameEnded(const GameState& s, FrameResult result) override;

  bool LimitReached() const { return limitReached_; }

 private:
  // The keys of the frame about to run reach the game in the pumps between frames only.
  void Pump(const StepWait& wait);

  Game& game_;
  KeyFeed keys_;
  uint64_t frameLimit_;
  uint64_t framesRun_ = 0;
  bool limitReached_ = false;
  std::FILE* trace_;
};

}  // namespace ursa::sim
