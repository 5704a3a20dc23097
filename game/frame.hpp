// One frame of play: every rule of the game in its fixed order, with the view calls between.
// The frame stops early at a spike, at the door and in a fall.
#pragma once

#include <string_view>

#include "game/game_host.hpp"
#include "game/game_state.hpp"

namespace ursa {

// Runs one frame over the state and tells how it ended. A spike hit returns before the
// death sequence; the caller runs it.
FrameResult RunFrame(GameState& s, GameHost& host);

// "-", "door", "fall" or "spike", as replays print it.
std::string_view FrameResultName(FrameResult result);

}  // namespace ursa
