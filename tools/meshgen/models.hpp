// The game's nine mesh models and the file each one is written to.
// Units are world units; each model's origin is the point where the game places it.
#pragma once

#include <array>

#include "game/game_state.hpp"
#include "tools/meshgen/model.hpp"
#include "view/mesh_files.hpp"

namespace ursa::meshgen {

Model MakeBlock();      // brick block, x -75..75, y 0..150
Model MakeMover();      // riveted steel platform with a block's footprint
Model MakeSinker();     // slim platform, x -50..50, top at y 140, one colour
Model MakeSpikes();     // spiked bar filling the zone where spikes hurt
Model MakeDoor();       // arched wooden door, about 110 x 200
Model MakeLamp();       // lamp post with a glowing yellow lantern
Model MakeArrowSign();  // wooden sign pointing to +x
Model MakeBackdrop();   // seamless 750 x 750 rubble wall tile in the x-y plane
Model MakeBear();       // the player, animated over times 0..19

struct MeshAsset {
  const char* fileName;
  Model (*make)();
};

inline constexpr std::array<MeshAsset, 9> kMeshAssets{{
    {view::kMeshFiles[view::kBlockMesh], MakeBlock},
    {view::KindMeshFile(kKindBlock2), MakeMover},
    {view::KindMeshFile(kKindBlock3), MakeSinker},
    {view::KindMeshFile(kKindToge), MakeSpikes},
    {view::KindMeshFile(kKindDoor), MakeDoor},
    {view::KindMeshFile(kKindLight), MakeLamp},
    {view::KindMeshFile(kKindArrow), MakeArrowSign},
    {view::kMeshFiles[view::kBackdropMesh], MakeBackdrop},
    {view::kMeshFiles[view::kBearMesh], MakeBear},
}};

}  // namespace ursa::meshgen
