// The ending screen of a time attack: the game's ending picture with the run's time, the
// misses, the score, and the player's best run and the par beside them.
#pragma once

#include <cstdint>
#include <optional>

#include "game/game_state.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/image.hpp"

namespace ursa::view {

// `picture`: the screen picture. `runFrames`: the run's time. `bestFrames`: the player's best
// run before this one (none the first time); a run better than it is marked a new best.
// `parFrames`: all the stages' pars together.
void DrawTimeAttackEnding(tk::Canvas& canvas, const tk::Image& picture, GameState& s,
                          int32_t runFrames, std::optional<int32_t> bestFrames, int32_t parFrames);

}  // namespace ursa::view
