// NullHost: a GameHost with a virtual millisecond clock and no view, for the simulator,
// the tests and the benchmark. A waiting pump jumps the clock to the next tick at once.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game/game_host.hpp"

namespace ursa {

class NullHost : public GameHost {
 public:
  int64_t Milliseconds() override { return clockMs_; }
  void PumpEvents(PumpKind kind, int64_t wakeAtMs) override {
    if (kind == PumpKind::kWaiting) clockMs_ = std::max(clockMs_, wakeAtMs);
  }
  void SetPictureVisible(bool /*visible*/) override {}

  void DrawHud(const GameState& /*s*/) override {}
  void BuildScene(const GameState& /*s*/) override {}
  void ReleaseScene() override {}

  void DrawTitleScreen() override {}
  void DrawEndingScreen(GameState& /*s*/) override {}

  void PlaceObject(const GameState& /*s*/, int /*i*/) override {}
  void TurnPlayer(const GameState& /*s*/) override {}
  void PlacePlayerAndCamera(const GameState& /*s*/) override {}
  void AimCameraAndLight(const GameState& /*s*/) override {}
  void RenderView() override {}
  void RenderDeathFrame(const GameState& /*s*/) override {}

  void EndProgram() override {}

 protected:
  // Lets a test host spend time, e.g. to model a slow frame.
  void AdvanceClock(int64_t ms) { clockMs_ += ms; }

 private:
  int64_t clockMs_ = 0;
};

}  // namespace ursa
