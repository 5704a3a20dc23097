// The stage objects in play: moving and sinking platforms, spikes, the door, and the death
// sequence that follows a spike.
#pragma once

#include "game/game.hpp"
#include "game/game_host.hpp"
#include "game/game_state.hpp"

namespace ursa {

// Where a landed-on sinking platform goes, and how fast.
inline constexpr int16_t kSinkFloor = -5000;
inline constexpr int16_t kSinkSpeed = -2;
// Frames of the death sequence: deathTimer runs 0..kDeathFrames-1.
inline constexpr int kDeathFrames = 201;

// Moves the platforms and lets every object act on the player, objects 0 to 49 in order.
// Returns true when the player touched a spike; the objects after that spike do not run.
bool ObjectPass(GameState& s, GameHost& host);

// With the jump key freshly pressed in front of the door (object 0), raises stage and
// returns true.
bool DoorTest(GameState& s);

// Shows the camera pulling back from the player, one pump of window events per frame.
// Returns false when the program is ending and nothing more may run.
bool DeathSequence(Game& game, GameHost& host);

}  // namespace ursa
