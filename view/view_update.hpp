// The per-frame view of a stage: the game state mirrored into the scene and rendered.
// Each call is made by the frame step named beside it.
#pragma once

#include "game/game_state.hpp"
#include "view/scene_handles.hpp"

namespace ursa {

void PlaceObject(SceneHandles& h, const GameState& s, int i);    // step 2, a mover moved
void TurnPlayer(SceneHandles& h, const GameState& s);            // step 4, a direction held
void PlacePlayerAndCamera(SceneHandles& h, const GameState& s);  // step 12
void AimCameraAndLight(SceneHandles& h, const GameState& s);     // step 14
void RenderView(SceneHandles& h);                                // step 16
// One frame of the death sequence: the camera pulls back from the play plane.
void RenderDeathFrame(SceneHandles& h, const GameState& s);

}  // namespace ursa
