// The pause: the play clock stopped and the banner shown while it lasts, ended by Resume.
// The desktop's pump stays in the pause; the browser's holds its steps instead.
#include "app/play_pause.hpp"

#include "toolkit/form1.hpp"

namespace ursa {
namespace {

// How long a paused pump sleeps when no event comes: the pause needs no time to pass at all.
constexpr int64_t kPausedWakeMs = 500;

}  // namespace

int64_t PlayPause::Now() {
  const int64_t now = form_.Milliseconds();
  if (clock_.StepRead(now)) PauseForGap();
  return clock_.Now(now);
}

void PlayPause::PumpBegins() {
  if (clock_.PumpBegins(form_.Milliseconds())) PauseForGap();
}

void PlayPause::PumpEnded(bool inPlay) { clock_.PumpEnded(form_.Milliseconds(), inPlay); }

void PlayPause::PassWaited() {
  // Drawing and the keys' work in the pass are late work, not a gap; only its wait can be.
  const auto& waited = form_.LastWait();
  if (waited && clock_.WaitReturned(waited->dueMs, waited->returnedMs)) PauseForGap();
}

void PlayPause::LeavePlay() {
  wanted_ = false;
  clock_.Start(form_.Milliseconds());
}

void PlayPause::PauseForGap() {
  if (!gap_ || gap_()) {
    wanted_ = true;
  } else {
    clock_.Start(form_.Milliseconds());
  }
}

void PlayPause::StayWhilePaused() {
  if (!wanted_ && !clock_.Stopped()) return;
  clock_.Stop(form_.Milliseconds());
  banner_.Show(form_.Canvas());
  while (wanted_ && !form_.Ended()) form_.DoEvents(form_.Milliseconds() + kPausedWakeMs);
  banner_.Hide(form_.Canvas());
  clock_.Start(form_.Milliseconds());
}

bool PlayPause::Hold() {
  if (wanted_ && !held_) {
    clock_.Stop(form_.Milliseconds());
    banner_.Show(form_.Canvas());
  } else if (!wanted_ && held_) {
    banner_.Hide(form_.Canvas());
    clock_.Start(form_.Milliseconds());
  }
  held_ = wanted_;
  return held_;
}

}  // namespace ursa
