// The virtual clock's wait: the window system's events are taken in, then time jumps.
#include "harness/virtual_clock.hpp"

#include <SDL.h>

#include <utility>

namespace ursa::harness {

void VirtualClock::WaitForEvent(int64_t wakeAtMs) {
  // What the window system sent (a pad's buttons among it) is taken in, as a real wait does.
  SDL_PumpEvents();
  if (wakeAtMs < 0) {
    ++now_;
  } else {
    now_ = std::max(now_, wakeAtMs) + std::exchange(oversleepMs_, 0);
  }
}

}  // namespace ursa::harness
