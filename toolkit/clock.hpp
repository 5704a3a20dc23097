// The game's millisecond clock and the waiting of the event pump, behind one interface.
// The system clock waits for real; the virtual clock lets tests run whole games at full speed.
#pragma once

#include <algorithm>
#include <cstdint>

namespace ursa::tk {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds on this clock; never decreases.
  virtual int64_t Milliseconds() = 0;
  // Called by the event pump when no window event is queued: returns at wakeAtMs or at the
  // next window event, whichever comes first. A negative wakeAtMs waits for the next event.
  // A wait takes in what the window system sent before it sleeps.
  virtual void WaitForEvent(int64_t wakeAtMs) = 0;
  // Returns at atMs, events or not: a short hold that must end on time (a picture waiting
  // for its moment).
  virtual void SleepUntil(int64_t atMs) = 0;
};

// SDL's 64-bit millisecond counter; waits in SDL's event wait, so an idle game sleeps.
class SystemClock final : public Clock {
 public:
  int64_t Milliseconds() override;
  void WaitForEvent(int64_t wakeAtMs) override;
  void SleepUntil(int64_t atMs) override;
};

// Time that moves only when told. A wait with a wake-up time jumps straight to it (the
// pump calls WaitForEvent only when no event is queued, so nothing could have woken it
// earlier); a wait for the next event lets one millisecond pass, so an idle loop still
// sees time go by and a test's pump hook can act at a chosen moment.
class VirtualClock final : public Clock {
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

}  // namespace ursa::tk
