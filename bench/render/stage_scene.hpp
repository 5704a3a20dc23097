// A built stage's 3D scene for the benchmark, made the way a stage start makes it: camera,
// light, the bear, 48 backdrop tiles, 100 blocks and 50 objects from the game's mesh files.
#pragma once

#include <array>
#include <string>

#include "game/game_state.hpp"
#include "view/rm/rm.hpp"

namespace ursa::bench {

struct StageScene {
  rm::ClipperPtr clipper;
  rm::Direct3DRMPtr d3drm;
  rm::DevicePtr device;
  rm::ViewportPtr viewport;
  rm::FramePtr scene, camera, light, player;
  rm::AnimationSetPtr playerAnim;
  std::array<rm::FramePtr, 48> backdrop;
  std::array<rm::FramePtr, kBlockCount> blocks;
  std::array<rm::FramePtr, kObjectCount> objects;
};

// Lays out `stage` and builds its scene; objects of kind 6 in stage 10 get colours of their own.
void BuildStageScene(StageScene& s, GameState& state, rm::DirectXRoot& root,
                     rm::PictureWindow& picture);

// Places the player at (x, y), poses it and aims the camera and the light as a frame of play.
void PlaceForFrame(StageScene& s, float x, float y, float animTime);

}  // namespace ursa::bench
