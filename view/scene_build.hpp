// The 3D scene of a stage: built from the stage tables at every stage start, released when
// play ends. The frame tree: scene root with camera, light, player, 48 backdrop tiles,
// 100 blocks and 50 objects, each a direct child of the root.
#pragma once

#include <array>
#include <string>

#include "game/game_state.hpp"
#include "toolkit/random.hpp"
#include "view/mesh_files.hpp"
#include "view/rm/platform.hpp"
#include "view/scene_handles.hpp"

namespace ursa::view {

// What every scene build draws on: the folder of the mesh files, the display whose OpenGL
// context the renderer uses, the picture box the 3D view is shown in and the game's random
// generator (stage 10 colors its sinking platforms from it). All must outlive the scene.
struct SceneSetup {
  std::string meshFolder;
  rm::Display* display = nullptr;
  rm::PictureWindow* pictureBox = nullptr;
  tk::Random* random = nullptr;
};

// Builds the whole scene of the stage laid out in `s` (the layout is already loaded).
// Throws AssetError for a missing or broken mesh file, rm::Error when the renderer fails.
void BuildScene(SceneHandles& h, const GameState& s, const SceneSetup& setup);

// Loads every mesh file of `meshFolder` once, so that a missing or broken one is reported at
// start-up rather than in the middle of a game. Needs h.dxRoot. Throws AssetError.
void CheckMeshFiles(SceneHandles& h, const std::string& meshFolder);

// Empties the scene handles in the order the scene was taken apart in, the ghost's with them;
// dxRoot, ddraw, the backdrop tiles, the animation set and the working mesh builder are left to
// the next build.
void ReleaseScene(SceneHandles& h);

}  // namespace ursa::view
