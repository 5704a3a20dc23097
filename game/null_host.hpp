// NullHost: a GameHost with a virtual millisecond clock and no view, for the simulator,
// the tests and the benchmark. A wait for the next tick jumps the clock there at once.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game/game_host.hpp"

namespace ursa {

class NullHost : public GameHost {
 public:
  int64_t Milliseconds() override { return clockMs_; }
  // What a waiting pump does to the clock: on to wakeAtMs, never back.
  void WaitUntil(int64_t wakeAtMs) { clockMs_ = std::max(clockMs_, wakeAtMs); }
  void SetPictureVisible(bool /*visible*/) override {}

  void DrawHud(const GameState& /*s*/) override {}
  void BuildScene(const GameState& /*s*/) override {}
  void ReleaseScene() override {}

  void DrawTitleScreen() override {}
  void DrawEndingScreen(GameState& /*s*/) override {}

  // Final, so that a host that shows the platforms cannot be a NullHost that skips them.
  void PlaceObject(const GameState& /*s*/, int /*i*/) final {}
  bool PlacesObjects() const final { return false; }
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
