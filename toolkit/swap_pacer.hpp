// When a drawn picture goes up on the window: at once, at a moment asked for (a held picture),
// or, with vsync on, at the display's refresh in the pump's next wait; by a swap, or by
// copying only the part that was drawn where the window system offers that.
#pragma once

#include <chrono>
#include <cstdint>

#include "toolkit/clock.hpp"
#include "toolkit/display_window.hpp"
#include "toolkit/rect.hpp"

namespace ursa::tk {

class SwapPacer {
 public:
  // The window's context must be current: vsync is its swap interval.
  SwapPacer(DisplayWindow& window, Clock& clock, bool vsync);

  // The next picture drawn goes on the window at atMs on the clock, not before.
  void PresentAt(int64_t atMs) { presentAtMs_ = atMs; }
  // Before a picture is drawn: the last one goes up first, and a moment asked for with
  // PresentAt belongs to this picture alone.
  void Begin();
  // The picture was drawn into `area` of the back buffer (pixels, y up; `whole`: all of it,
  // bars too) through GLX or not: it goes up now, or is held for its moment (drawn to the
  // end first) or for the display's refresh.
  void Drawn(Rect area, bool whole, bool glx);
  // A drawn picture not yet on the window goes up now, a held one at its moment.
  void Finish();
  // A picture is held for its moment.
  bool Held() const { return dueMs_ >= 0; }
  // The back buffer holds the picture on the window: the last one went up by a partial copy.
  bool BackIsShown() const { return backIsShown_; }
  // Every buffer's content is unknown (the window was resized).
  void ForgetBack() { backIsShown_ = false; }

  // Pictures put on the window so far, and when the last went up.
  uint64_t Presents() const { return presents_; }
  std::chrono::steady_clock::time_point LastPresentAt() const { return lastPresentAt_; }

 private:
  DisplayWindow& window_;
  Clock& clock_;
  bool vsync_;
  bool pending_ = false;
  struct Drawing {
    Rect area;
    bool whole = false;
    bool glx = false;
  } drawn_;
  int64_t presentAtMs_ = -1;
  int64_t momentMs_ = -1;
  int64_t dueMs_ = -1;
  bool backIsShown_ = false;
  uint64_t presents_ = 0;
  std::chrono::steady_clock::time_point lastPresentAt_;
};

}  // namespace ursa::tk
