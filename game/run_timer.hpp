// RunTimer: a time attack's clock, which nothing the player does can set back. It counts every
// frame of play and every step of a death sequence from stage 1's first frame to the last door.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace ursa {

struct RunTimer {
  // Frames of the run so far: each frame of play and each death step, restarts included.
  int32_t frames = 0;
  // The run's frames when the stage now played first started: a miss or a restart keeps it.
  int32_t stageFrom = 0;

  // One more frame; stops at the top of its range rather than wrap.
  void Count() {
    if (frames < std::numeric_limits<int32_t>::max()) ++frames;
  }
  // The frames the stage now played has taken so far.
  int32_t StageFrames() const { return frames - stageFrom; }
};

// The frames of a run as a clock reads them at 50 frames a second: "M:SS.hh", with minutes
// as many as it takes.
std::string RunTimeText(int32_t frames);

}  // namespace ursa
