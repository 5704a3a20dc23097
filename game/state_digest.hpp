// A 32-bit digest of the stage objects, so replays can compare mover positions in one number.
// FNV-1a over objX, objY, objKind, objLimitA, objLimitB, objVel, each value 2 bytes little-endian.
#pragma once

#include <cstdint>

#include "game/game_state.hpp"

namespace ursa {

uint32_t ObjectHash(const GameState& s);

}  // namespace ursa
