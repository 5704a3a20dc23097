// Counters that only ever go up: the misses and the frames of play.
// They stop at the top of their range instead of wrapping into negative values.
#pragma once

#include <cstdint>
#include <limits>

#include "game/game_state.hpp"

namespace ursa {

inline void AddMiss(GameState& s) {
  if (s.missCount < std::numeric_limits<int16_t>::max()) ++s.missCount;
}

inline void CountFrame(GameState& s) {
  if (s.frameCount < std::numeric_limits<int32_t>::max()) ++s.frameCount;
}

}  // namespace ursa
