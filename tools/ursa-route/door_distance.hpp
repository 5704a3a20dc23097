// An estimate of how far a point of a stage is from its door, walking along the tops of blocks
// and platforms and jumping between them; the route search ranks its states by it.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game_state.hpp"

namespace ursa::route {

// A top surface the player can stand on: x from left to right, feet at top.
struct Surface {
  int left = 0;
  int right = 0;
  int top = 0;
};

// The tops of the stage's blocks and moving platforms, touching tops of one height merged.
// A horizontal mover's top spans its whole travel; a sinking one is taken at its highest.
std::vector<Surface> StageSurfaces(const GameState& s);

// How far a running jump carries the player (at full speed) before its feet drop below the
// landing band of a top `rise` above the take-off; -1 when the jump cannot reach that top.
int JumpReach(int rise);

// Path lengths to the door on a 25-unit grid over the stage, through the surfaces, treating
// every point as if the player could jump from it. Unreachable points get kUnreachable.
class DoorDistance {
 public:
  static constexpr int kUnreachable = 1 << 28;
  static constexpr int kCell = 25;

  explicit DoorDistance(const GameState& s);
  int At(int x, int y) const;

 private:
  int left_ = 0;
  int bottom_ = 0;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<int> field_;
};

}  // namespace ursa::route
