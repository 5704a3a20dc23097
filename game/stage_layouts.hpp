// The fifteen built-in stages and the player's start point.
// A stage start clears the tables, writes the stage's blocks and objects, then places the player.
#pragma once

#include <cstdint>

#include "game/game_state.hpp"

namespace ursa {

// Unused table entries are parked far outside every stage instead of being skipped.
inline constexpr int16_t kParkedX = -5000;
inline constexpr int kFirstStage = 1;
inline constexpr int kLastStage = 15;
// stage holds this once the last door has been passed.
inline constexpr int kEndingStage = 16;

// Clears the block and object tables and writes the layout of `stage`; any stage
// number outside 1..15 leaves the tables empty.
void LoadStageLayout(GameState& s);

// Whether the stage's sinking platforms each get a random colour of their own when its scene
// is built (stage 10's corridor).
bool ColoredPlatforms(int stage);

// Puts the player at (0, 50), at rest, with no direction or jump key held.
void PlacePlayerAtStart(GameState& s);

}  // namespace ursa
