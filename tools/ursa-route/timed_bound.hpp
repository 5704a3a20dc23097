// A bound that knows when the moving platforms are where: whether a state after t frames can
// still reach the door by a given frame, in a looser game of sideways motion, footing and time.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game_state.hpp"

namespace ursa::route {

class TimedBound {
 public:
  // For routes through the door in at most `lastFrame` frames of the stage that starts as
  // `start`.
  TimedBound(const GameState& start, int lastFrame);

  // False when a player in state `s` after `frames` frames cannot go through the door by
  // lastFrame, whatever its input.
  bool InTime(const GameState& s, int frames) const;

  // The fewest frames to the door from the stage's start that this bound allows: no route
  // takes fewer. At most `limit`, which stands for none within it.
  static int FewestFrames(const GameState& start, int limit);

  // The memory its tables hold, and the most a bound for `lastFrame` frames of the stage that
  // starts as `start` holds while it is worked out, known before it is.
  std::size_t Bytes() const;
  static std::size_t BytesFor(const GameState& start, int lastFrame);

 private:
  int AirLeft(const GameState& s) const;

  GameState start_;
  int lastFrame_ = 0;
  int left_ = 0;
  int width_ = 0;
  int floor_ = 0;  // below this height the player can neither land nor reach the door
  // footing_[t][x - left_]: the frames of air a jump gives from the highest top under x in
  // frame t's passes (a block, a sinking platform, or a moving platform where it is then); 0
  // where there is none.
  std::vector<std::vector<uint8_t>> footing_;
  // need_[t][x - left_]: the fewest frames of air left that a player at x after t frames
  // needs to reach the door in time; kNever when no air is enough.
  std::vector<std::vector<uint8_t>> need_;
};

}  // namespace ursa::route
