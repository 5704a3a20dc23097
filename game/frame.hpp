// One frame of play: every rule of the game in its fixed order, with the view calls between.
// The frame stops early at a spike, at the door and in a fall.
#pragma once

#include "game/game_host.hpp"
#include "game/game_state.hpp"

namespace ursa {

// Runs one frame over the state and tells how it ended. A spike hit returns before the
// death sequence; the caller runs it.
FrameResult RunFrame(GameState& s, GameHost& host);

}  // namespace ursa
