// Ownership tests: a scene built like a stage frees every frame, mesh and OpenGL object when
// its handles go, and assigning a new object to a handle frees the old one.
#include <gtest/gtest.h>

#include <array>

#include "rm_test_scene.hpp"

namespace ursa::rm {
namespace {

// A stage-like scene in handles, as the game keeps them.
struct StageHandles {
  ClipperPtr clipper;
  Direct3DRMPtr d3drm;
  DevicePtr device;
  ViewportPtr viewport;
  FramePtr sceneFrame, cameraFrame, lightFrame, playerFrame;
  LightPtr sceneLight;
  MeshBuilderPtr meshBuilder;
  AnimationSetPtr playerAnim;
  std::array<FramePtr, 100> blockFrames;
  std::array<FramePtr, 50> objectFrames;
};

void Build(StageHandles& h, DirectXRoot& root, PictureWindow& picture) {
  h.clipper = root.DirectDrawCreate("")->CreateClipper(0);
  h.clipper->SetHWnd(&picture);
  h.d3drm = root.Direct3DRMCreate();
  h.device = h.d3drm->CreateDeviceFromClipper(h.clipper, "", 640, 480);
  h.sceneFrame = h.d3drm->CreateFrame(nullptr);
  h.cameraFrame = h.d3drm->CreateFrame(h.sceneFrame);
  h.lightFrame = h.d3drm->CreateFrame(h.sceneFrame);
  h.viewport = h.d3drm->CreateViewport(h.device, h.cameraFrame, 120, 65, 400, 300);
  h.playerFrame = h.d3drm->CreateFrame(h.sceneFrame);
  h.playerAnim = h.d3drm->CreateAnimationSet();
  h.playerAnim->LoadFromFile(DataFile("anim.x"), 0, 0, h.playerFrame);
  h.sceneLight = h.d3drm->CreateLightRGB(LightType::kDirectional, 1, 1, 1);
  h.lightFrame->AddLight(h.sceneLight);
  h.meshBuilder = h.d3drm->CreateMeshBuilder();
  h.meshBuilder->LoadFromFile(DataFile("cube.x"), 0, 0);
  for (FramePtr& frame : h.blockFrames) {
    frame = h.d3drm->CreateFrame(h.sceneFrame);
    frame->AddVisual(h.meshBuilder);
  }
  for (FramePtr& frame : h.objectFrames) {
    h.meshBuilder = h.d3drm->CreateMeshBuilder();
    h.meshBuilder->LoadFromFile(DataFile("colored_cube.x"), 0, 0);
    frame = h.d3drm->CreateFrame(h.sceneFrame);
    frame->AddVisual(h.meshBuilder);
  }
  h.viewport->SetBack(5000.0F);
  h.viewport->Clear(7);
  h.viewport->Render(h.sceneFrame);  // puts every mesh on the GPU
  h.device->Update();
}

TEST(LifetimeTest, ReleasingEveryHandleOfAStageFreesEverything) {
  const LiveObjects before = CountLiveObjects();
  harness::OffscreenPicture picture;
  DirectXRootPtr root = CreateDirectXRoot(TestDisplay());
  StageHandles h;
  Build(h, *root, picture);
  const LiveObjects built = CountLiveObjects();
  // Scene, camera, light, player, 100 blocks, 50 objects and the model's three frames.
  EXPECT_EQ(built.frames - before.frames, 157);
  EXPECT_EQ(built.meshBuilders - before.meshBuilders, 1 + 50 + 1);
  EXPECT_EQ(built.devices - before.devices, 1);
  EXPECT_EQ(built.glTextures - before.glTextures, 1);
  EXPECT_EQ(built.glBuffers - before.glBuffers, 2 * 52);

  // Rebuilding replaces every handle without emptying any first; the old scene goes.
  Build(h, *root, picture);
  EXPECT_EQ(CountLiveObjects(), built);

  h = StageHandles{};
  root.reset();
  EXPECT_EQ(CountLiveObjects(), before);
}

TEST(LifetimeTest, ReassigningAHandleFreesTheOldObjectWithItsLastHandle) {
  harness::OffscreenPicture picture;
  DirectXRootPtr root = CreateDirectXRoot(TestDisplay());
  Direct3DRMPtr d3drm = root->Direct3DRMCreate();
  const int frames = CountLiveObjects().frames;
  FramePtr scene = d3drm->CreateFrame(nullptr);
  FramePtr tile = d3drm->CreateFrame(scene);
  MeshBuilderPtr shared = d3drm->CreateMeshBuilder();
  tile->AddVisual(shared);
  const int builders = CountLiveObjects().meshBuilders;
  shared = d3drm->CreateMeshBuilder();  // the first one is still shown by the tile
  EXPECT_EQ(CountLiveObjects().meshBuilders, builders + 1);
  tile.reset();
  EXPECT_EQ(CountLiveObjects().frames, frames + 2);  // still a child of the scene
  scene = d3drm->CreateFrame(nullptr);               // the old scene goes, and its tile with it
  EXPECT_EQ(CountLiveObjects().frames, frames + 1);
  EXPECT_EQ(CountLiveObjects().meshBuilders, builders);
}

}  // namespace
}  // namespace ursa::rm
