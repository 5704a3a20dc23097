// The stage objects in play: moving and sinking platforms, spikes and the door.
// Each step is a function of the state alone; RunFrame runs them in frame order.
#pragma once

#include "game/game_state.hpp"

namespace ursa {

// Where a landed-on sinking platform goes, and how fast.
inline constexpr int16_t kSinkFloor = -5000;
inline constexpr int16_t kSinkSpeed = -2;

// Moves object i one step along its axis when it is a moving or sinking platform; a speed
// flips when a limit is met exactly. Returns true when the object moved.
bool MoveObject(GameState& s, int i);

// Lets object i act on the player once it has moved: a platform carries, catches and bumps
// the player, a sinking platform starts to sink when landed on and comes to rest on the floor.
// Returns true when the object is a spike the player touches.
bool ObjectActs(GameState& s, int i);

// With the jump key freshly pressed in front of the door (object 0), raises stage and
// returns true.
bool DoorTest(GameState& s);

}  // namespace ursa
