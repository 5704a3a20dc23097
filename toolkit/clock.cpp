// The system clock (SDL's counter, SDL's event wait) and the virtual test clock.
// Waiting never spins: SDL blocks in the window system until an event or the timeout.
#include "toolkit/clock.hpp"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>
#include <utility>

namespace ursa::tk {

int64_t SystemClock::Milliseconds() { return static_cast<int64_t>(SDL_GetTicks64()); }

void SystemClock::WaitForEvent(int64_t wakeAtMs) {
  if (wakeAtMs < 0) {
    SDL_WaitEvent(nullptr);
    return;
  }
  const int64_t remaining = wakeAtMs - Milliseconds();
  if (remaining <= 0) {
    // Nothing to wait for, but the window system's events are taken in, as a wait does.
    SDL_PumpEvents();
    return;
  }
  const int64_t capped = std::min<int64_t>(remaining, std::numeric_limits<int>::max());
  SDL_WaitEventTimeout(nullptr, static_cast<int>(capped));
}

void SystemClock::SleepUntil(int64_t atMs) {
  const int64_t remaining = std::min<int64_t>(atMs - Milliseconds(), 1000);
  if (remaining <= 0) return;
  // The counter shows whole milliseconds: sleep to within one of the moment, then in short
  // naps until the counter turns to it, which is the moment to a tenth of a millisecond.
  if (remaining > 1) SDL_Delay(static_cast<Uint32>(remaining - 1));
  while (Milliseconds() < atMs) std::this_thread::sleep_for(std::chrono::microseconds(100));
}

void VirtualClock::WaitForEvent(int64_t wakeAtMs) {
  // What the window system sent (a pad's buttons among it) is taken in, as a real wait does.
  SDL_PumpEvents();
  if (wakeAtMs < 0) {
    ++now_;
  } else {
    now_ = std::max(now_, wakeAtMs) + std::exchange(oversleepMs_, 0);
  }
}

}  // namespace ursa::tk
