// SDL's queue, looked at and emptied one event at a time; SDL_PumpEvents takes in what the
// window system has sent since it was last asked.
#include "toolkit/event_pump.hpp"

#include <algorithm>

namespace ursa::tk {
namespace {

int QueuedNow() { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT); }

}  // namespace

bool EventPump::Queued() { return QueuedNow() > 0; }

void EventPump::Wait(int64_t wakeAtMs) {
  const int64_t startMs = clock_.Milliseconds();
  clock_.WaitForEvent(wakeAtMs);
  if (wakeAtMs >= 0) lastWait_ = Waited{std::max(startMs, wakeAtMs), clock_.Milliseconds()};
}

void EventPump::DeliverPending(bool takeIn) {
  if (takeIn) SDL_PumpEvents();
  const int pending = QueuedNow();
  for (int i = 0; i < pending && !ended_; ++i) {
    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) break;
    dispatch_(event);
  }
}

}  // namespace ursa::tk
