// VirtualClock: time that moves only when told, for tests and tools that drive the real window
// on a clock of their own: every run of a script then sees the same moments.
#pragma once

#include <algorithm>
#include <cstdint>

#include "toolkit/clock.hpp"

namespace ursa::harness {

// A wait with a wake-up time jumps straight to it (the pump calls WaitForEvent only when no
// event is queued, so nothing could have woken it earlier); a wait for the next event lets one
// millisecond pass, so an idle loop still sees time go by and a test's pump hook can act at a
// chosen moment.
class VirtualClock final : public tk::Clock {
 public:
  explicit VirtualClock(int64_t startMs = 0) : now_(startMs) {}
  int64_t Milliseconds() override { return now_; }
  void WaitForEvent(int64_t wakeAtMs) override;
  void SleepUntil(int64_t atMs) override { now_ = std::max(now_, atMs); }
  void Advance(int64_t ms) { now_ += ms; }
  // The next wait with a wake-up time returns `ms` after it, as when the program is stopped
  // while it sleeps.
  void OversleepNextWait(int64_t ms) { oversleepMs_ = ms; }

 private:
  int64_t now_;
  int64_t oversleepMs_ = 0;
};

}  // namespace ursa::harness
