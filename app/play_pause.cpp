// The pause: the play clock stopped and the banner shown while it lasts, ended by Resume.
// The desktop's pump stays in the pause; the browser's holds its steps instead.
#include "app/play_pause.hpp"

#include "toolkit/form1.hpp"

namespace ursa {
namespace {

// How long a paused pump sleeps when no event comes: the pause needs no time to pass at all.
constexpr int64_t kPausedWakeMs = 500;

}  // namespace

int64_t PlayPause::Now() { return clock_.Now(form_.Milliseconds()); }

void PlayPause::StayWhilePaused() {
  if (!wanted_) return;
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
