// Contact tests between the player's feet and a solid surface (a block or a platform).
// Bounds are formed as 16-bit sums first and then compared, as everything in the rules.
#pragma once

#include <cstdint>

#include "game/game_state.hpp"

namespace ursa {

// The shape of a solid thing, relative to its reference point (x centre, y bottom).
struct Footprint {
  int halfWidth;     // feet count as over it within this distance of its x, inclusive
  int top;           // its top surface, above its bottom
  int landingFloor;  // feet above this height (and below the top) are caught onto the top
};

inline constexpr Footprint kBlockFootprint{75, 150, 100};
inline constexpr Footprint kSinkerFootprint{50, 140, 110};
// A block's bottom pushes back a head that reaches into it by less than this.
inline constexpr int kHeadBand = 75;

inline bool StrictlyBetween(int low, int16_t value, int high) {
  return Wrap16(low) < value && value < Wrap16(high);
}

inline bool FeetOver(const GameState& s, int16_t x, const Footprint& f) {
  return Wrap16(x - f.halfWidth) <= s.playerX && s.playerX <= Wrap16(x + f.halfWidth);
}

// Feet exactly on the top surface.
inline bool StandsOn(const GameState& s, int16_t x, int16_t y, const Footprint& f) {
  return FeetOver(s, x, f) && s.playerY == Wrap16(y + f.top);
}

// Feet inside the landing band: the player is caught onto the top and stops falling.
inline bool CatchOnTop(GameState& s, int16_t x, int16_t y, const Footprint& f) {
  if (!FeetOver(s, x, f) || !StrictlyBetween(y + f.landingFloor, s.playerY, y + f.top)) {
    return false;
  }
  s.velY = 0;
  s.onGround = 1;
  s.playerY = Wrap16(y + f.top);
  return true;
}

// Head inside the bottom: the player is pushed down below it and stops rising.
inline void BumpHead(GameState& s, int16_t x, int16_t y, const Footprint& f) {
  if (FeetOver(s, x, f) && StrictlyBetween(y - kHeadBand, s.playerY, y)) {
    s.velY = 0;
    s.playerY = Wrap16(y - kHeadBand);
  }
}

}  // namespace ursa
