// PlayClock: the time the game's rules see, which is the window's clock less every pause.
// While stopped it stands still, so no tick passes and a resumed game carries on where it stood.
#pragma once

#include <cstdint>
#include <utility>

#include "game/ticks.hpp"

namespace ursa {

class PlayClock {
 public:
  // A stretch of the window's clock longer than this that play did not see (the program was
  // stopped, the machine slept) is a gap. The game pauses at its start: the gap is never
  // played, and the player goes on with P. Shorter stalls are late frames: a busy machine
  // keeps a waiting program from running for a few hundred milliseconds now and then.
  static constexpr int64_t kGapMs = 50 * kTickMs;

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

  // Where play looks at the window's clock between its steps and its event pumps. Each call
  // that finds a gap stops the clock where the gap began, as a pause stops it, and returns
  // true; the caller pauses the game.
  // A step read the clock (every read of play time). The first read after a pump of play
  // looks back at the pump's end.
  bool StepRead(int64_t windowMs) {
    const int64_t pumpEnd = std::exchange(pumpEndMs_, -1);
    readMs_ = windowMs;
    return pumpEnd >= 0 && StopAtGap(pumpEnd, windowMs);
  }
  // A pump of play begins: it looks back at the step's last read, its last act.
  bool PumpBegins(int64_t windowMs) {
    pumpEndMs_ = -1;
    return readMs_ >= 0 && StopAtGap(readMs_, windowMs);
  }
  // The pump's wait for events was due back at `dueMs` and returned at `returnedMs`.
  bool WaitReturned(int64_t dueMs, int64_t returnedMs) { return StopAtGap(dueMs, returnedMs); }
  // The pump ended; `inPlay`: the next step's first read looks back at this moment.
  void PumpEnded(int64_t windowMs, bool inPlay) { pumpEndMs_ = inPlay ? windowMs : -1; }

 private:
  // Play saw the window's clock last at `seenMs`; it reads `windowMs` now.
  bool StopAtGap(int64_t seenMs, int64_t windowMs) {
    if (stopped_ || windowMs - seenMs <= kGapMs) return false;
    Stop(seenMs);
    return true;
  }

  int64_t pausedMs_ = 0;
  int64_t stoppedAtMs_ = 0;
  bool stopped_ = false;
  int64_t readMs_ = -1;     // the window time of the last read of play time
  int64_t pumpEndMs_ = -1;  // a pump of play ended then and no step has read the clock since
};

}  // namespace ursa
