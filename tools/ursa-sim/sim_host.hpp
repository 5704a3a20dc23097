// SimHost: the simulator's game host: a key script played on a virtual clock that reports
// every frame that ran.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

#include "game/key_script_play.hpp"

namespace ursa::sim {

class SimHost : public KeyScriptPlay {
 public:
  // `trace` receives one line per frame that ran; nullptr prints nothing.
  SimHost(Game& game, std::span<const ScriptEvent> events, uint64_t frameLimit, std::FILE* trace)
      : KeyScriptPlay(game, events, frameLimit), trace_(trace) {}

  void FrameEnded(const GameState& s, FrameResult result) override;

 private:
  std::FILE* trace_;
};

}  // namespace ursa::sim
