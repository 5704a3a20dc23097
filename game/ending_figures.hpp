// The figures of the ending screen: clear time and score, from frameCount and missCount.
// The score is computed wide, so a long game with many misses shows its true negative value.
#pragma once

#include <cstdint>

#include "game/game_state.hpp"

namespace ursa {

// Frames of play in units of ten frames, rounded down.
int32_t ClearTime(const GameState& s);
// 10000 less 500 per miss less the clear time.
int64_t Score(const GameState& s);

}  // namespace ursa
