// PlayClock: the time the game's rules see, which is the window's clock less every pause.
// While stopped it stands still, so no tick passes and a resumed game carries on where it stood.
#pragma once

#include <cstdint>

namespace ursa {

class PlayClock {
 public:
  // Play time at window time `windowMs`.
  int64_t Now(int64_t windowMs) const { return (stopped_ ? stoppedAtMs_ : windowMs) - pausedMs_; }
  // The window time at which play time reaches `playMs` if nothing pauses before then.
  int64_t WindowTime(int64_t playMs) const { return playMs + pausedMs_; }

  bool Stopped() const { return stopped_; }
  void Stop(int64_t windowMs) {
    if (stopped_) return;
    stopped_ = true;
    stoppedAtMs_ = windowMs;
  }
  void Start(int64_t windowMs) {
    if (!stopped_) return;
    stopped_ = false;
    pausedMs_ += windowMs - stoppedAtMs_;
  }

 private:
  int64_t pausedMs_ = 0;
  int64_t stoppedAtMs_ = 0;
  bool stopped_ = false;
};

}  // namespace ursa
