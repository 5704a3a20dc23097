// Lower bounds on the frames of play from a state to its stage's door, for the exhaustive
// search to drop states and forget platforms that cannot matter within the frames it looks at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/game_state.hpp"

namespace ursa::route {

class DoorBound {
 public:
  // The stage as it starts; its blocks, moving platforms and door decide the bounds. `touched`
  // lists objects for FramesLeftTouching.
  DoorBound(const GameState& start, const std::vector<int>& touched);

  // At least this many frames, the door frame included, pass before a player in state `s` can
  // go through the door, whatever its input.
  int FramesLeft(const GameState& s) const;

  // The same for a way to the door on which the player stands on, or lands on, the sinking
  // platform touched[k] first: the least the player must spend to have anything to do with
  // that platform on its way out.
  int FramesLeftTouching(std::size_t k, const GameState& s) const;

  // The memory its tables hold, and the most a bound on the stage that starts as `start`, with
  // `touched` objects, holds while it is worked out, known before it is.
  std::size_t Bytes() const;
  static std::size_t BytesFor(const GameState& start, std::size_t touched);

 private:
  // A top the player can stand on: a run of blocks, a moving platform over all its travel, or
  // a sinking platform at any of its heights.
  struct Surface {
    int left = 0;
    int right = 0;
    int lowestTop = 0;
    int highestTop = 0;
    double frame = 0;  // frames per unit of x along it, the carry of a platform counted in
  };

  // The stage's surfaces; sinkerSurface[i] is the surface of sinking platform i, -1 for other
  // objects.
  static std::vector<Surface> Surfaces(const GameState& s, std::vector<int>& sinkerSurface);
  std::vector<uint16_t> Backwards(std::vector<uint16_t> costs) const;
  int Look(const std::vector<uint16_t>& table, const GameState& s) const;
  int Index(int x, int velX) const;
  void BuildSurfaceBound(const GameState& s, const std::vector<int>& touched);
  int SurfaceFrames(const GameState& s) const;

  int left_ = 0;   // the lowest x the tables cover
  int right_ = 0;  // the highest
  int carry_ = 0;  // the most a frame's object pass can carry the player sideways
  int carryLow_ = 0;
  int carryHigh_ = 0;
  std::vector<uint16_t> door_;
  std::vector<std::vector<uint16_t>> touching_;

  // The surface bound: for each band of heights from which the same surfaces can be landed on
  // (the band's lowest height in bandFloor_), the fewest frames to the door from every x.
  std::vector<int> bandFloor_;
  std::vector<std::vector<float>> bandFrames_;
  // For each touched platform, the fewest frames to the door once landed on it.
  std::vector<float> touchedOnward_;
  std::vector<Surface> touchedSurface_;
  double fastest_ = 0;  // the most units of x a frame can cover
};

}  // namespace ursa::route
