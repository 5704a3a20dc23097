// The per-frame view of a stage: the game state mirrored into the scene and rendered.
// RunFrame makes these calls in the order they are listed.
#pragma once

#include "game/game_state.hpp"
#include "view/scene_handles.hpp"

namespace ursa::view {

// A moving or sinking platform is placed where its move put it.
void PlaceObject(SceneHandles& h, const GameState& s, int i);
// While a direction is held, the bear turns to face it.
void TurnPlayer(SceneHandles& h, const GameState& s);
// After the vertical move: the bear at its place and pose, the camera following it.
void PlacePlayerAndCamera(SceneHandles& h, const GameState& s);
// Unless the player has fallen out: the camera and the light aimed at the bear.
void AimCameraAndLight(SceneHandles& h, const GameState& s);
// The picture of the frame drawn and shown in the picture box.
void RenderView(SceneHandles& h);
// One frame of the death sequence: the camera pulls back from the play plane.
void RenderDeathFrame(SceneHandles& h, const GameState& s);

}  // namespace ursa::view
