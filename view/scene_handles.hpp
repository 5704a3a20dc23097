// SceneHandles: the renderer objects of the game, held beside GameState by the window.
// Assigning a new object to a handle drops the old one; emptying a handle releases it.
#pragma once

#include <array>

#include "game/game_state.hpp"
#include "view/rm/rm.hpp"

namespace ursa::view {

// Which way the ghost's bear faces (+1 right, -1 left) and the attempt of the ghost's it was
// seen in: a stage, a miss count and the frames of play counted by then.
struct GhostFacing {
  int16_t stage = 0;
  int16_t missCount = 0;
  int32_t frameCount = 0;
  int16_t facing = 1;
};

struct SceneHandles {
  // Live from start-up to exit.
  rm::DirectXRootPtr dxRoot;
  rm::DirectDrawPtr ddraw;

  // Replaced at every stage start, emptied by ReleaseScene.
  rm::ClipperPtr clipper;
  rm::Direct3DRMPtr d3drm;
  rm::DevicePtr device;
  rm::ViewportPtr viewport;
  rm::FramePtr sceneFrame;
  rm::FramePtr cameraFrame;
  rm::FramePtr playerFrame;
  rm::FramePtr lightFrame;
  rm::LightPtr sceneLight;
  rm::MeshBuilderPtr meshBuilder;  // working handle: the last mesh builder made
  rm::AnimationSetPtr playerAnim;
  std::array<rm::FramePtr, kBlockCount> blockFrames;
  std::array<rm::FramePtr, kObjectCount> objectFrames;
  std::array<rm::FramePtr, 50> backdropFrames;  // 48 tiles; the last two stay empty

  // A time attack's ghost (BuildGhost), emptied by BuildScene and ReleaseScene: the bear's
  // frame, in the scene only while shown, its animation and the stage the scene shows.
  rm::FramePtr ghostFrame;
  rm::AnimationSetPtr ghostAnim;
  int16_t ghostStage = 0;
  // Kept from scene to scene: the ghost plays on while the player's stage starts again.
  GhostFacing ghostFacing;
};

}  // namespace ursa::view
