// The event pump's work on SDL's queue: whether window events are pending, waiting for the
// next one or the clock's wake-up time, and delivering the pending ones one at a time until
// the pass or the program is ended. What an event means is its dispatcher's business.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "toolkit/clock.hpp"

namespace ursa::tk {

class EventPump {
 public:
  // `dispatch` is given each delivered event; `clock` waits. Both must outlive the pump.
  EventPump(Clock& clock, std::function<void(const SDL_Event&)> dispatch)
      : clock_(clock), dispatch_(std::move(dispatch)) {}

  // An event waits in the queue. What the window system sent since it was last asked is not
  // taken in here: a wait takes it in first thing (SDL's wait asks before it sleeps), and so
  // does delivering in a pass that does not wait.
  static bool Queued();
  // Returns at wakeAtMs on the clock (negative: no wake-up time) or at the next event.
  void Wait(int64_t wakeAtMs);
  // A wait with a wake-up time: when it was due back at the latest (its wake-up time, or its
  // start if that had passed) and when it returned, on the clock. Back much later than due,
  // the program was not running in between (stopped, or the machine asleep).
  struct Waited {
    int64_t dueMs = 0;
    int64_t returnedMs = 0;
  };
  // The last such wait since ForgetWait.
  const std::optional<Waited>& LastWait() const { return lastWait_; }
  void ForgetWait() { lastWait_.reset(); }
  // Delivers the events queued now, each once, in order, after taking in what the window
  // system sent when `takeIn` says so (not right after a wait, which did); a handler that ends
  // the program leaves the later ones queued. Only those queued now, so a flood of key repeats
  // cannot keep the pump busy.
  void DeliverPending(bool takeIn);
  // No event is delivered any more.
  void EndProgram() { ended_ = true; }
  bool Ended() const { return ended_; }

 private:
  Clock& clock_;
  std::function<void(const SDL_Event&)> dispatch_;
  bool ended_ = false;
  std::optional<Waited> lastWait_;
};

}  // namespace ursa::tk
