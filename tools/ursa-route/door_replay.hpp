// Replaying a stage's key events through the real key handlers and frames of play until the
// door: how every route is checked, so a route is only as good as the game says it is.
#pragma once

#include <optional>
#include <span>

#include "game/game.hpp"
#include "game/key_script.hpp"

namespace ursa::route {

// Plays from `game` with `events` (frames counted from the first frame played) for at most
// `frameLimit` frames. Returns the frames played, the door frame included, when the door
// comes; nothing when a miss comes first or the limit is reached. `game` is left where play
// stopped.
std::optional<int> PlayToDoor(Game& game, std::span<const ScriptEvent> events, int frameLimit);

}  // namespace ursa::route
