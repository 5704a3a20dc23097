// Stage start and scene release.
// The tick is restarted after the build, so the build's time never counts as a late frame.
#include "game/stage_lifecycle.hpp"

#include "game/stage_layouts.hpp"
#include "game/ticks.hpp"

namespace ursa {

bool StartStage(Game& game, GameHost& host) {
  GameState& s = game.state;
  host.DrawHud(s);
  LoadStageLayout(s);
  host.BuildScene(s);
  PlacePlayerAtStart(s);
  s.lastTick = static_cast<int32_t>(TickNow(host));
  if (s.stage == kEndingStage) return false;
  s.running = kTrue;
  return true;
}

void ReleaseScene(Game& game, GameHost& host) {
  game.state.running = kFalse;
  host.ReleaseScene();
}

}  // namespace ursa
