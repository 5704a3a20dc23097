// WindowHost: the game's rules driving the real window and renderer, and the pause.
// The death sequence is paced here at 60 pictures a second so its camera pull-back can be seen.
#include "app/window_host.hpp"

#include "toolkit/form1.hpp"
#include "view/scene_build.hpp"
#include "view/screens.hpp"
#include "view/view_update.hpp"

namespace ursa {
namespace {

// How long a paused pump sleeps when no event comes: the pause needs no time to pass at all.
constexpr int64_t kPausedWakeMs = 500;

// Picture k of the death sequence is shown no earlier than k/60 s after the first.
int64_t DeathFrameDueMs(int64_t startMs, int deathTimer) {
  return startMs + (static_cast<int64_t>(deathTimer) * 1000 + 59) / 60;
}

}  // namespace

int64_t WindowHost::Milliseconds() { return playClock_.Now(form_.Milliseconds()); }

void WindowHost::PumpEvents(PumpKind kind, int64_t wakeAtMs) {
  switch (kind) {
    case PumpKind::kWaiting:
      Pump(wakeAtMs);
      break;
    case PumpKind::kDeath:
      // Sleep until the next death picture is due; a key only wakes the wait to be delivered.
      // A close ends the program here, so the rules stop before drawing another picture.
      // The due time is on the play clock, so a pause holds the sequence where it stands.
      do {
        Pump(deathDueMs_);
      } while (!form_.Ended() && Milliseconds() < deathDueMs_);
      break;
    case PumpKind::kAfterFrame:
      Pump();
      break;
    case PumpKind::kLeaving:
      // The game is leaving play: nothing is paused on the title or ending screen.
      pauseWanted_ = false;
      form_.DoEvents();
      break;
  }
}

void WindowHost::Pump(int64_t wakeAtMs) {
  form_.DoEvents(wakeAtMs < 0 ? -1 : playClock_.WindowTime(wakeAtMs));
  if (pauseWanted_) StayPaused();
}

void WindowHost::StayPaused() {
  playClock_.Stop(form_.Milliseconds());
  banner_.Show(form_.Canvas());
  while (pauseWanted_ && !form_.Ended()) form_.DoEvents(form_.Milliseconds() + kPausedWakeMs);
  banner_.Hide(form_.Canvas());
  playClock_.Start(form_.Milliseconds());
}

void WindowHost::SetPictureVisible(bool visible) { form_.Picture1().SetVisible(visible); }

void WindowHost::DrawHud(const GameState& s) { view::DrawHud(form_.Canvas(), s); }

void WindowHost::BuildScene(const GameState& s) {
  if (stageStart_) stageStart_(s);
  view::BuildScene(handles_, s, setup_);
}

void WindowHost::ReleaseScene() { view::ReleaseScene(handles_); }

void WindowHost::DrawTitleScreen() { view::DrawTitleScreen(form_.Canvas(), form_.Image1()); }

void WindowHost::DrawEndingScreen(GameState& s) {
  view::DrawEndingScreen(form_.Canvas(), form_.Image1(), s);
}

void WindowHost::PlaceObject(const GameState& s, int i) { view::PlaceObject(handles_, s, i); }

void WindowHost::TurnPlayer(const GameState& s) { view::TurnPlayer(handles_, s); }

void WindowHost::PlacePlayerAndCamera(const GameState& s) {
  view::PlacePlayerAndCamera(handles_, s);
}

void WindowHost::AimCameraAndLight(const GameState& s) { view::AimCameraAndLight(handles_, s); }

void WindowHost::RenderView() { view::RenderView(handles_); }

void WindowHost::RenderDeathFrame(const GameState& s) {
  // Draws only: the wait for the picture's time is the death pump's, since a window event
  // delivered here could release the scene this draws.
  if (s.deathTimer == 0) deathStartMs_ = Milliseconds();
  view::RenderDeathFrame(handles_, s);
  deathDueMs_ = DeathFrameDueMs(deathStartMs_, s.deathTimer + 1);
}

void WindowHost::FrameEnded(const GameState& /*s*/, FrameResult /*result*/) { ++framesRun_; }

void WindowHost::EndProgram() { form_.EndProgram(); }

}  // namespace ursa
