// The 3D scene of a stage: built from the stage tables at every stage start, released when
// play ends. The frame tree: scene root with camera, light, player, 48 backdrop tiles,
// 100 blocks and 50 objects, each a direct child of the root.
#pragma once

#include "game/game_state.hpp"
#include "view/scene_handles.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

// Builds the whole scene of the stage laid out in `s` (the layout is already loaded).
// Throws AssetError for a missing or broken mesh file, rm::Error when the renderer fails.
void BuildScene(SceneHandles& h, const GameState& s, tk::Form1& form);

// Loads every mesh file once, so that a missing or broken one is reported at start-up
// rather than in the middle of a game. Throws AssetError.
void CheckMeshFiles(SceneHandles& h, tk::Form1& form);

// Empties the scene handles in the order the scene was taken apart in; dxRoot, ddraw, the
// backdrop tiles, the animation set and the working mesh builder are left to the next build.
void ReleaseSceneHandles(SceneHandles& h);

}  // namespace ursa
