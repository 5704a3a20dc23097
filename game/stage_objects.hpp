// The stage objects in play: moving and sinking platforms, spikes and the door.
// Each step is a function of the state alone; RunFrame runs them in frame order.
#pragma once

#include "game/game_host.hpp"
#include "game/game_state.hpp"

namespace ursa {

// Where a landed-on sinking platform goes, and how fast.
inline constexpr int16_t kSinkFloor = -5000;
inline constexpr int16_t kSinkSpeed = -2;

// The object pass over objects 0 to 49. Each moving or sinking platform takes one step along its
// axis (its speed flips when a limit is met exactly) and is placed in the view; then, in turn,
// a platform carries, catches and bumps the player, a sinking platform starts to sink when
// landed on and comes to rest on the floor. Returns true when a spike touches the player: the
// pass stops at that spike, and the objects after it neither move nor act.
bool ObjectPass(GameState& s, GameHost& host);

// With the jump key freshly pressed in front of the door (object 0), raises stage and
// returns true.
bool DoorTest(GameState& s);

}  // namespace ursa
