// A lower bound on the frames of play from a state to its stage's door, for the exhaustive
// search to drop states that cannot reach the door within the frames it looks at.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game_state.hpp"

namespace ursa::route {

class DoorBound {
 public:
  // The stage as it starts; its blocks, moving platforms and door decide the bound.
  explicit DoorBound(const GameState& start);

  // At least this many frames, the door frame included, pass before a player in state `s` can
  // go through the door, whatever its input.
  int FramesLeft(const GameState& s) const;

 private:
  int Index(int x, int velX) const;

  int left_ = 0;   // the lowest x the table covers
  int right_ = 0;  // the highest
  std::vector<uint16_t> frames_;
};

}  // namespace ursa::route
