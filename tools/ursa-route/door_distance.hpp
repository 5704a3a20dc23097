// An estimate of how far the player is from the door of its stage, walking along the tops of
// blocks and platforms and jumping between them; the route search ranks its states by it.
#pragma once

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

// The same for a player already in the air with vertical speed velY: it can rise no more than
// that speed still carries it.
int FlightReach(int velY, int rise);

// Path lengths to the door: from the player's position to a surface it can reach from there,
// then over the shortest chain of jumps between surface ends. Optimistic: mover timing,
// ceilings and spikes are left to the search.
class DoorDistance {
 public:
  static constexpr int kUnreachable = 1 << 28;

  explicit DoorDistance(const GameState& s);

  // From a player standing at (x, y), free to jump.
  int FromStanding(int x, int y) const { return From(x, y, 0, true); }
  // From a player at (x, y), on the ground (free to jump) or in the air at vertical speed velY.
  int From(int x, int y, int velY, bool onGround) const;

 private:
  struct Point {
    int x = 0;
    int y = 0;
  };

  std::vector<Surface> surfaces_;
  Point door_;
  std::vector<double> leftToDoor_;   // per surface, from its left end
  std::vector<double> rightToDoor_;  // per surface, from its right end
  std::vector<bool> holdsDoor_;      // per surface, the door can be walked to along it
};

}  // namespace ursa::route
