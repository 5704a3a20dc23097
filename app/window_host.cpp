// WindowHost: the game's rules driving the real window and renderer, its event pumps between
// the game's steps, and the pause.
// The death sequence is paced here at 60 pictures a second so its camera pull-back can be seen.
// Smooth pictures are drawn here too, in the waits between ticks.
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

// How long a paused pump sleeps when no event comes: the pause needs no time to pass at all.
constexpr int64_t kPausedWakeMs = 500;

// Picture k of the death sequence is shown no earlier than k/60 s after the first.
int64_t DeathFrameDueMs(int64_t startMs, int deathTimer) {
  return startMs + (static_cast<int64_t>(deathTimer) * 1000 + 59) / 60;
}

}  // namespace

int64_t WindowHost::Milliseconds() {
  const int64_t now = form_.Milliseconds();
  if (playClock_.StepRead(now)) PauseForGap();
  return playClock_.Now(now);
}

void WindowHost::PumpEvents(const StepWait& wait) {
  const int64_t wakeAtMs = wait.wakeAtMs;
  const bool inPlay = wait.pump != PumpKind::kScreen && wait.pump != PumpKind::kLeaving;
  if (inPlay && playClock_.PumpBegins(form_.Milliseconds())) PauseForGap();
  switch (wait.pump) {
    case PumpKind::kScreen:
      form_.WaitEvents();
      break;
    case PumpKind::kWaiting:
      if (smooth_ && posed_) {
        WaitDrawingBetween(wakeAtMs);
      } else {
        Pump(wakeAtMs);
      }
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
      playClock_.Start(form_.Milliseconds());
      form_.DoEvents();
      break;
  }
  playClock_.PumpEnded(form_.Milliseconds(), inPlay);
}

bool WindowHost::PollEvents(const StepWait& wait) {
  if (wait.pump == PumpKind::kLeaving) pauseWanted_ = false;
  form_.DoEvents();
  if (form_.Ended()) return false;
  switch (wait.pump) {
    case PumpKind::kScreen:
    case PumpKind::kLeaving:
      return true;
    case PumpKind::kWaiting:
      return !HoldPause() && Milliseconds() >= wait.wakeAtMs;
    case PumpKind::kDeath:
      return !HoldPause() && Milliseconds() >= deathDueMs_;
    case PumpKind::kAfterFrame:
      return !HoldPause();
  }
  return true;
}

int64_t WindowHost::MillisecondsLeft(const StepWait& wait) {
  if (pauseHeld_) return -1;
  switch (wait.pump) {
    case PumpKind::kScreen:
      return -1;
    case PumpKind::kWaiting:
      return std::max<int64_t>(0, wait.wakeAtMs - Milliseconds());
    case PumpKind::kDeath:
      return std::max<int64_t>(0, deathDueMs_ - Milliseconds());
    case PumpKind::kAfterFrame:
    case PumpKind::kLeaving:
      return 0;
  }
  return 0;
}

bool WindowHost::HoldPause() {
  if (pauseWanted_ && !pauseHeld_) {
    playClock_.Stop(form_.Milliseconds());
    banner_.Show(form_.Canvas());
  } else if (!pauseWanted_ && pauseHeld_) {
    banner_.Hide(form_.Canvas());
    playClock_.Start(form_.Milliseconds());
  }
  pauseHeld_ = pauseWanted_;
  return pauseHeld_;
}

void WindowHost::Pump(int64_t wakeAtMs) {
  form_.DoEvents(wakeAtMs < 0 ? -1 : playClock_.WindowTime(wakeAtMs));
  // Drawing and the keys' work in the pass are late work, not a gap; only its wait can be.
  const auto& waited = form_.LastWait();
  if (waited && playClock_.WaitReturned(waited->dueMs, waited->returnedMs)) PauseForGap();
  if (pauseWanted_ || playClock_.Stopped()) StayPaused();
}

void WindowHost::PauseForGap() {
  if (!gap_ || gap_()) {
    pauseWanted_ = true;
  } else {
    playClock_.Start(form_.Milliseconds());
  }
}

void WindowHost::StayPaused() {
  playClock_.Stop(form_.Milliseconds());
  banner_.Show(form_.Canvas());
  while (pauseWanted_ && !form_.Ended()) form_.DoEvents(form_.Milliseconds() + kPausedWakeMs);
  banner_.Hide(form_.Canvas());
  playClock_.Start(form_.Milliseconds());
}

void WindowHost::SetSmoothPictures(bool smooth) {
  PutBackTick();
  smooth_ = smooth;
  picturesPerSecond_ = std::max(form_.RefreshRate(), 1);
}

void WindowHost::WaitDrawingBetween(int64_t wakeAtMs) {
  const int64_t rate = picturesPerSecond_;
  const int64_t dueMs = (nextPicture_ * 1000 + rate - 1) / rate;
  // The picture is drawn ahead of its moment by about as long as drawing takes, and held.
  Pump(std::min(dueMs - drawLeadMs_, wakeAtMs));
  // A pump that ended the program or started a stage leaves nothing to draw from.
  if (form_.Ended() || !posed_) return;
  const int64_t now = Milliseconds();
  if (now < dueMs - drawLeadMs_) return;
  // Where things are at the picture's moment, one tick behind the rules.
  const float t = static_cast<float>(dueMs - tickMs_) / static_cast<float>(kTickMs);
  view::PlaceBetween(handles_, before_, after_, std::clamp(t, 0.0F, 1.0F));
  placedBetween_ = true;
  if (now < dueMs) form_.PresentAt(playClock_.WindowTime(dueMs));
  // Nothing moved since the last picture: the renderer draws nothing and nothing is shown.
  view::RenderView(handles_);
  // The lead follows a slower draw at once and a faster one slowly.
  const int64_t needed = Milliseconds() - now + 2;
  drawLeadMs_ =
      std::clamp<int64_t>(std::max(needed, (drawLeadMs_ * 15 + needed) / 16), 2, 1000 / rate / 2);
  nextPicture_ = std::max(nextPicture_ + 1, Milliseconds() * rate / 1000 + 1);
}

void WindowHost::PutBackTick() {
  if (!placedBetween_) return;
  view::PlaceBetween(handles_, before_, after_, 1.0F);
  placedBetween_ = false;
}

void WindowHost::SetPictureVisible(bool visible) { form_.Picture1().SetVisible(visible); }

void WindowHost::DrawHud(const GameState& s) {
  // A stage start's first look at the clock, before its scene is built: the build is work,
  // not a gap since the pump before it.
  Milliseconds();
  view::DrawHud(form_.Canvas(), s);
  if (InTimeAttack()) Clock().BandDrawn(form_.Canvas(), s, timeAttack_->Run());
}

void WindowHost::BuildScene(const GameState& s) {
  posed_ = false;
  placedBetween_ = false;
  // The window may have gone full screen or to another screen since the last stage.
  if (smooth_) picturesPerSecond_ = std::max(form_.RefreshRate(), 1);
  if (stageStart_) stageStart_(s);
  view::BuildScene(handles_, s, setup_);
  if (timeAttack_ != nullptr && timeAttack_->HasGhost()) view::BuildGhost(handles_, s, setup_);
}

void WindowHost::ReleaseScene() {
  posed_ = false;
  placedBetween_ = false;
  view::ReleaseScene(handles_);
}

void WindowHost::DrawTitleScreen() { view::DrawTitleScreen(form_.Canvas(), form_.Image1()); }

void WindowHost::DrawEndingScreen(GameState& s) {
  view::DrawEndingScreen(form_.Canvas(), form_.Image1(), s);
}

void WindowHost::PlaceObject(const GameState& s, int i) {
  PutBackTick();
  view::PlaceObject(handles_, s, i);
}

void WindowHost::TurnPlayer(const GameState& s) {
  PutBackTick();
  view::TurnPlayer(handles_, s);
}

void WindowHost::PlacePlayerAndCamera(const GameState& s) {
  PutBackTick();
  view::PlacePlayerAndCamera(handles_, s);
}

void WindowHost::AimCameraAndLight(const GameState& s) {
  PutBackTick();
  view::AimCameraAndLight(handles_, s);
}

void WindowHost::RenderView() {
  PutBackTick();
  if (!smooth_) {
    view::RenderView(handles_);
    return;
  }
  // The tick is drawn in the waits that follow, on its way from the last one.
  const view::StagePose pose = view::TakePose(handles_);
  before_ = posed_ ? after_ : pose;
  after_ = pose;
  posed_ = true;
  // From the start of the tick: frames start a little after it, by however long a wait took.
  tickMs_ = TickNow(*this) * kTickMs;
}

void WindowHost::RenderDeathFrame(const GameState& s) {
  PutBackTick();
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

bool WindowHost::InTimeAttack() const { return timeAttack_ != nullptr && timeAttack_->Active(); }

view::RunClock& WindowHost::Clock() {
  if (!clock_) clock_.emplace(form_.Canvas().Face());
  return *clock_;
}

void WindowHost::RunTimed(const RunTimer& run) {
  if (!InTimeAttack()) return;
  // The ghost moves from where the last tick put it, not from a picture between ticks.
  PutBackTick();
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
