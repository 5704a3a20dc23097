// SceneHandles: the renderer objects of the game, held beside GameState by the window.
// Assigning a new object to a handle drops the old one; emptying a handle releases it.
#pragma once

#include <array>

#include "game/game_state.hpp"
#include "view/rm/rm.hpp"

namespace ursa::view {

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
};

}  // namespace ursa::view
