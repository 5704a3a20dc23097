// PlayPause: the pause of play and the play clock it stops. The window's clock less every
// pause is the time the rules see; while paused the banner is up in the HUD band.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "app/play_clock.hpp"
#include "view/pause_banner.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

class PlayPause {
 public:
  explicit PlayPause(tk::Form1& form) : form_(form) {}

  // Play time now. A step's read that finds a gap since the last pump of play pauses there.
  int64_t Now();
  // The window time at which play time reaches `playMs` if nothing pauses before then.
  int64_t WindowTime(int64_t playMs) const { return clock_.WindowTime(playMs); }

  // Play stops at the end of the event pump that is running (the picture stays, with the
  // banner), until Resume. Only for a game in play or dying.
  void Pause() { wanted_ = true; }
  void Resume() { wanted_ = false; }
  bool Paused() const { return wanted_; }

  // The desktop's pump: when a pause was asked for, serves the window's events until it ends
  // or the program does, the clock stopped and the banner up.
  void StayWhilePaused();
  // The browser's pump, which never waits: shows the pause when asked for, ends it when over;
  // true while it lasts.
  bool Hold();
  // The browser's pause is on screen.
  bool Held() const { return held_; }

  // Gaps: stretches of the window's clock that play did not see (the program stopped, the
  // machine asleep; PlayClock::kGapMs). The play clock passes over each, and the game pauses
  // where it began unless `hook` says false (a replay, whose keys come by frames).
  void OnGap(std::function<bool()> hook) { gap_ = std::move(hook); }
  // A pump of play begins, and it ends: the time since the step's last read, and until the
  // next step's first, is looked at for a gap.
  void PumpBegins();
  void PumpEnded(bool inPlay);
  // The pass's wait for events, if it had a wake-up time, is looked at for a gap.
  void PassWaited();
  // Play leaves for a screen: nothing stays paused there.
  void LeavePlay();

 private:
  // The play clock stopped at a gap: the game pauses there, or goes on past it.
  void PauseForGap();

  tk::Form1& form_;
  std::function<bool()> gap_;
  PlayClock clock_;
  view::PauseBanner banner_;
  bool wanted_ = false;
  bool held_ = false;
};

}  // namespace ursa
