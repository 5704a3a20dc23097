// WindowHost: the game's rules driving the real window and renderer.
// The death sequence is paced here at 60 pictures a second so its camera pull-back can be seen.
#include "app/window_host.hpp"

#include <algorithm>

#include "app/time_attack_session.hpp"
#include "game/ticks.hpp"
#include "toolkit/form1.hpp"
#include "view/ghost_bear.hpp"
#include "view/scene_build.hpp"
#include "view/screens.hpp"
#include "view/time_attack_ending.hpp"
#include "view/view_update.hpp"

namespace ursa {
namespace {

// Picture k of the death sequence is shown no earlier than k/60 s after the first.
int64_t DeathFrameDueMs(int64_t startMs, int deathTimer) {
  return startMs + (static_cast<int64_t>(deathTimer) * 1000 + 59) / 60;
}

}  // namespace

void WindowHost::SetPictureVisible(bool visible) { form_.Picture1().SetVisible(visible); }

void WindowHost::DrawHud(const GameState& s) {
  // A stage start's first look at the clock, before its scene is built: the build is work,
  // not a gap since the pump before it.
  Milliseconds();
  view::DrawHud(form_.Canvas(), s);
  if (InTimeAttack()) Clock().BandDrawn(form_.Canvas(), s, timeAttack_->Run());
}

void WindowHost::BuildScene(const GameState& s) {
  smooth_.SceneBuilt();
  if (stageStart_) stageStart_(s);
  view::BuildScene(handles_, s, setup_);
  if (timeAttack_ != nullptr && timeAttack_->HasGhost()) view::BuildGhost(handles_, s, setup_);
}

void WindowHost::ReleaseScene() {
  smooth_.SceneReleased();
  view::ReleaseScene(handles_);
}

void WindowHost::DrawTitleScreen() { view::DrawTitleScreen(form_.Canvas(), form_.Image1()); }

void WindowHost::DrawEndingScreen(GameState& s) {
  view::DrawEndingScreen(form_.Canvas(), form_.Image1(), s);
}

void WindowHost::PlaceObject(const GameState& s, int i) {
  smooth_.PutBackTick();
  view::PlaceObject(handles_, s, i);
}

void WindowHost::TurnPlayer(const GameState& s) {
  smooth_.PutBackTick();
  view::TurnPlayer(handles_, s);
}

void WindowHost::PlacePlayerAndCamera(const GameState& s) {
  smooth_.PutBackTick();
  view::PlacePlayerAndCamera(handles_, s);
}

void WindowHost::AimCameraAndLight(const GameState& s) {
  smooth_.PutBackTick();
  view::AimCameraAndLight(handles_, s);
}

void WindowHost::RenderView() {
  smooth_.PutBackTick();
  if (!smooth_.On()) {
    view::RenderView(handles_);
    return;
  }
  // From the start of the tick: frames start a little after it, by however long a wait took.
  smooth_.TickRendered(TickNow(*this) * kTickMs);
}

void WindowHost::RenderDeathFrame(const GameState& s) {
  smooth_.PutBackTick();
  // Draws only: the wait for the picture's time is the death pump's, since a window event
  // delivered here could release the scene this draws.
  const int64_t now = Milliseconds();
  if (s.deathTimer == 0) deathStartMs_ = now;
  view::RenderDeathFrame(handles_, s);
  deathDueMs_ = DeathFrameDueMs(deathStartMs_, s.deathTimer + 1);
  // The step's last look at the clock: the drawing is work, not a gap before the pump.
  Milliseconds();
}

void WindowHost::FrameEnded(const GameState& /*s*/, FrameResult /*result*/) { ++framesRun_; }

void WindowHost::EndProgram() { form_.EndProgram(); }

std::optional<KeyPress> WindowHost::NextKey(const Game& game) {
  if (keys_ == nullptr) return std::nullopt;
  return keys_->Next(game, static_cast<uint64_t>(framesRun_));
}

void WindowHost::KeyTaken(const Game& game, Screen screen, KeyPress key) {
  if (keys_ != nullptr) keys_->Taken(game, screen, key, static_cast<uint64_t>(framesRun_));
}

bool WindowHost::InTimeAttack() const { return timeAttack_ != nullptr && timeAttack_->Active(); }

view::RunClock& WindowHost::Clock() {
  if (!clock_) clock_.emplace(form_.Canvas().Face());
  return *clock_;
}

void WindowHost::RunTimed(const RunTimer& run) {
  if (!InTimeAttack()) return;
  // The ghost moves from where the last tick put it, not from a picture between ticks.
  smooth_.PutBackTick();
  timeAttack_->RunTimed(run);
  view::PlaceGhost(handles_, timeAttack_->GhostBear());
  Clock().Timed(form_.Canvas(), run);
}

void WindowHost::StageTimed(int stage, int32_t stageFrames, const RunTimer& run) {
  if (!InTimeAttack()) return;
  const TimeAttackSession::Split split = timeAttack_->StageTimed(stage, stageFrames);
  Clock().Split(form_.Canvas(), {stage, stageFrames, split.best}, run);
}

void WindowHost::DrawTimeAttackEnding(GameState& s, const RunTimer& run) {
  if (!InTimeAttack()) {
    DrawEndingScreen(s);
    return;
  }
  const TimeAttackSession::Ending ending = timeAttack_->Finish(run);
  view::DrawTimeAttackEnding(form_.Canvas(), form_.Image1(), s, ending.frames, ending.bestRun,
                             ending.parTotal);
}

}  // namespace ursa
