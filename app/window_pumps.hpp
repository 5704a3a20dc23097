// WindowPumps: the window's event pump that the game asked for at the end of its step, on the
// desktop (which waits) and in the browser (which never does), read from one plan per wait.
#pragma once

#include <cstdint>

#include "app/play_pause.hpp"
#include "app/smooth_pictures.hpp"
#include "game/game.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

class WindowPumps {
 public:
  // `deathDueMs` is when the next death picture may be shown, on the play clock.
  WindowPumps(tk::Form1& form, PlayPause& pause, SmoothPictures& smooth, const int64_t& deathDueMs)
      : form_(form), pause_(pause), smooth_(smooth), deathDueMs_(deathDueMs) {}

  // The desktop's pump: on a screen it waits for events however long, in play until the next
  // tick, a death picture's moment or not at all; while paused it serves events until the
  // pause ends.
  void Pump(const StepWait& wait);
  // The browser's pump: delivers the events that have come and says whether the game's wait
  // is over. A pause holds it, with the banner up and the play clock stopped, until it ends.
  bool Poll(const StepWait& wait);
  // How long until that wait is over, on the window's clock: 0 when it is; -1 when only an
  // event can end it (a screen, a pause).
  int64_t MillisecondsLeft(const StepWait& wait);
  // One pass of the desktop's pump, waking at `wakeAtMs` on the play clock (negative: no
  // wait), then the pause if one was asked for.
  void PumpOnce(int64_t wakeAtMs);

 private:
  // What a pump does for a wait: the one place each kind of wait is read.
  struct Plan {
    enum class Ends { kOnEvent, kAtOnce, kAt } ends;
    int64_t atMs = 0;              // kAt: on the play clock
    bool throughEvents = false;    // events do not end it before atMs (a death picture's moment)
    bool picturesBetween = false;  // smooth pictures are drawn in it
    bool leavesPlay = false;       // on the way to a screen: nothing stays paused
  };
  Plan PlanFor(const StepWait& wait) const;

  tk::Form1& form_;
  PlayPause& pause_;
  SmoothPictures& smooth_;
  const int64_t& deathDueMs_;
};

}  // namespace ursa
