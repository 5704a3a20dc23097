// The mesh files the scenes are built from, all in one folder: the one list the game, its data
// folder check, the mesh generator and the install rules (through the assets folder) share.
#pragma once

#include <array>

namespace ursa::view {

inline constexpr int kBearMesh = 0;
inline constexpr int kBackdropMesh = 1;
inline constexpr int kBlockMesh = 2;
// The meshes of object kinds 1 to 6 follow in kind order (door, light, arrow, mover, spike,
// sinking platform); each kind is named after its file.
inline constexpr int kFirstKindMesh = 3;

inline constexpr std::array<const char*, 9> kMeshFiles = {"bear.x",   "back.x",  "block.x",
                                                          "door.x",   "light.x", "arrow.x",
                                                          "block2.x", "toge.x",  "block3.x"};

// The mesh file of object kind `kind` (1 to 6).
constexpr const char* KindMeshFile(int kind) { return kMeshFiles[kFirstKindMesh + kind - 1]; }

}  // namespace ursa::view
