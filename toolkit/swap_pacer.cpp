// Swapping or copying at the right moment. A swap that waits for the display's refresh waits
// in the pump's next wait for the clock, not in the frame, where it would push the frame's
// closing tick read past a tick.
#include "toolkit/swap_pacer.hpp"

#include <utility>

#include "gl/gl_api.hpp"
#include "toolkit/back_buffer_age.hpp"

namespace ursa::tk {

SwapPacer::SwapPacer(DisplayWindow& window, Clock& clock, bool vsync)
    : window_(window), clock_(clock), vsync_(vsync) {
  // Waiting for the display's refresh is the swap interval, adaptive (a late picture is shown
  // at once) where the driver offers that.
  if (vsync_ && SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);
}

void SwapPacer::Begin() {
  Finish();
  momentMs_ = std::exchange(presentAtMs_, -1);
}

void SwapPacer::Drawn(Rect area, bool whole, bool glx) {
  drawn_ = {area, whole, glx};
  pending_ = true;
  // With vsync the screen's refresh paces the pictures itself.
  if (momentMs_ >= 0 && !vsync_) {
    // Drawn to the end now, so that putting it up at its moment takes no drawing time.
    glFinish();
    dueMs_ = momentMs_;
    return;
  }
  if (!vsync_) Finish();
}

void SwapPacer::Finish() {
  if (!pending_) return;
  pending_ = false;
  // A window destroyed from outside shows nothing more: the program is about to end.
  if (window_.Gone()) {
    dueMs_ = -1;
    return;
  }
  if (dueMs_ >= 0) clock_.SleepUntil(std::exchange(dueMs_, -1));
  if (vsync_) {
    window_.Swap();
  } else {
    const Rect& a = drawn_.area;
    backIsShown_ = !drawn_.whole && CopyToWindow(drawn_.glx, a.x, a.y, a.width, a.height);
    if (!backIsShown_) window_.Swap();
  }
  ++presents_;
  lastPresentAt_ = std::chrono::steady_clock::now();
}

}  // namespace ursa::tk
