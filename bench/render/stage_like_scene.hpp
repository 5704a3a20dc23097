// A scene shaped like a built stage: camera, light, the bear, 48 backdrop tiles, 100 blocks
// and 50 objects (202 frames besides the bear's), from the game's own mesh files.
#pragma once

#include <array>
#include <string>

#include "view/rm/rm.hpp"

namespace ursa::bench {

struct StageLikeScene {
  rm::ClipperPtr clipper;
  rm::Direct3DRMPtr d3drm;
  rm::DevicePtr device;
  rm::ViewportPtr viewport;
  rm::FramePtr scene, camera, light, player;
  rm::AnimationSetPtr playerAnim;
  std::array<rm::FramePtr, 48> backdrop;
  std::array<rm::FramePtr, 100> blocks;
  std::array<rm::FramePtr, 50> objects;
};

// The path of one of the game's mesh files.
std::string AssetPath(const char* file);

// Builds the scene the way a stage start does; objectsOfKind6 objects get block3.x with a
// colour of their own (stage 10 has 40 of them), the rest door, light, arrow or nothing.
void BuildStageLikeScene(StageLikeScene& s, rm::DirectXRoot& root, rm::PictureWindow& picture,
                         int objectsOfKind6);

// Places the player, camera and light as a frame of play does, at player x.
void PlaceForFrame(StageLikeScene& s, float playerX, float animTime);

}  // namespace ursa::bench
