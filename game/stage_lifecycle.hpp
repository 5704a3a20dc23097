// Starting a stage and releasing its scene: the two moments where the game state and the
// 3D scene are brought in step.
#pragma once

#include "game/game.hpp"
#include "game/game_host.hpp"

namespace ursa {

// Draws the HUD, lays out the stage, builds its scene, places the player and restarts the
// tick. Returns false when stage is the ending stage (no play follows); otherwise running
// becomes True and the frame loop may go on.
bool StartStage(Game& game, GameHost& host);

// Drops the scene; running becomes False.
void ReleaseScene(Game& game, GameHost& host);

}  // namespace ursa
