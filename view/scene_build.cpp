// The 3D scene of a stage, built from nothing at every start and restart.
// Objects each get a mesh builder of their own so that stage 10 can colour them one by one.
#include "view/scene_build.hpp"

#include <string>

#include "game/stage_layouts.hpp"
#include "toolkit/picture_size.hpp"
#include "view/asset_error.hpp"

namespace ursa::view {
namespace {

constexpr int kDeviceWidth = tk::kPictureWidth;
constexpr int kDeviceHeight = tk::kPictureHeight;
constexpr int kQualityGouraudLitSolid = 137;
constexpr float kBackClip = 5000.0F;

constexpr int kBackdropColumns = 12;
constexpr int kBackdropRows = 4;
constexpr int kBackdropTile = 750;

std::string MeshPath(const std::string& folder, const char* file) { return folder + "/" + file; }

// A mesh file that cannot be loaded is the game's data gone missing, not a renderer fault.
template <typename Load>
void LoadAsset(Load&& load) {
  try {
    load();
  } catch (const rm::Error& e) {
    throw AssetError(e.what());
  }
}

void LoadMesh(const rm::MeshBuilderPtr& builder, const std::string& folder, const char* file) {
  LoadAsset([&] { builder->LoadFromFile(MeshPath(folder, file), 0, 0); });
}

void LoadBear(const rm::AnimationSetPtr& anim, const std::string& folder,
              const rm::FramePtr& parent) {
  LoadAsset([&] { anim->LoadFromFile(MeshPath(folder, kMeshFiles[kBearMesh]), 0, 0, parent); });
}

rm::FramePtr PlaceVisual(SceneHandles& h, float x, float y, float z) {
  rm::FramePtr frame = h.d3drm->CreateFrame(h.sceneFrame);
  frame->AddVisual(h.meshBuilder);
  frame->SetPosition(nullptr, x, y, z);
  return frame;
}

void BuildBackdrop(SceneHandles& h, const std::string& folder) {
  h.meshBuilder = h.d3drm->CreateMeshBuilder();
  LoadMesh(h.meshBuilder, folder, kMeshFiles[kBackdropMesh]);
  for (int row = 0; row < kBackdropRows; ++row) {
    for (int col = 0; col < kBackdropColumns; ++col) {
      h.backdropFrames[kBackdropColumns * row + col] =
          PlaceVisual(h, static_cast<float>(kBackdropTile * col - 1000),
                      static_cast<float>(kBackdropTile * row - 400), 500.0F);
    }
  }
}

void BuildBlocks(SceneHandles& h, const GameState& s, const std::string& folder) {
  h.meshBuilder = h.d3drm->CreateMeshBuilder();
  LoadMesh(h.meshBuilder, folder, kMeshFiles[kBlockMesh]);
  for (int i = 0; i < kBlockCount; ++i) {
    h.blockFrames[i] = PlaceVisual(h, s.blockX[i], s.blockY[i], 0.0F);
  }
}

void BuildObjects(SceneHandles& h, const GameState& s, const SceneSetup& setup) {
  for (int i = 0; i < kObjectCount; ++i) {
    h.meshBuilder = h.d3drm->CreateMeshBuilder();
    const int kind = s.objKind[i];
    if (kind >= kKindDoor && kind <= kKindBlock3) {
      LoadMesh(h.meshBuilder, setup.meshFolder, KindMeshFile(kind));
    }
    if (kind == kKindBlock3 && ColoredPlatforms(s.stage)) {
      const float red = setup.random->Next();
      const float green = setup.random->Next();
      const float blue = setup.random->Next();
      h.meshBuilder->SetColorRGB(red, green, blue);
    }
    h.objectFrames[i] = PlaceVisual(h, s.objX[i], s.objY[i], 0.0F);
  }
}

}  // namespace

void BuildScene(SceneHandles& h, const GameState& s, const SceneSetup& setup) {
  // A ghost belongs to the scene it was built in; the next one is built after this.
  h.ghostFrame.reset();
  h.ghostAnim.reset();
  h.clipper = h.ddraw->CreateClipper(0);
  h.clipper->SetHWnd(setup.pictureBox);
  if (!h.dxRoot) h.dxRoot = rm::CreateDirectXRoot(*setup.display);
  h.d3drm = h.dxRoot->Direct3DRMCreate();

  h.device = h.d3drm->CreateDeviceFromClipper(h.clipper, "", kDeviceWidth, kDeviceHeight);
  h.device->SetQuality(kQualityGouraudLitSolid);
  h.device->SetShades(64);
  h.device->SetDither(0);

  h.sceneFrame = h.d3drm->CreateFrame(nullptr);
  h.cameraFrame = h.d3drm->CreateFrame(h.sceneFrame);
  h.lightFrame = h.d3drm->CreateFrame(h.sceneFrame);
  h.viewport = h.d3drm->CreateViewport(h.device, h.cameraFrame, 120, 65, 400, 300);

  h.playerFrame = h.d3drm->CreateFrame(h.sceneFrame);
  h.playerAnim = h.d3drm->CreateAnimationSet();
  LoadBear(h.playerAnim, setup.meshFolder, h.playerFrame);
  h.playerFrame->SetOrientation(nullptr, 1, 0, 0, 0, 1, 0);

  h.sceneLight = h.d3drm->CreateLightRGB(rm::LightType::kDirectional, 1.0F, 1.0F, 1.0F);
  h.lightFrame->AddLight(h.sceneLight);
  h.cameraFrame->SetPosition(nullptr, 0, 250, -650);

  BuildBackdrop(h, setup.meshFolder);
  BuildBlocks(h, s, setup.meshFolder);
  BuildObjects(h, s, setup);

  h.viewport->SetBack(kBackClip);
}

void CheckMeshFiles(SceneHandles& h, const std::string& meshFolder) {
  const rm::Direct3DRMPtr d3drm = h.dxRoot->Direct3DRMCreate();
  // The plain meshes first, then the bear with its animation.
  for (const char* file : kMeshFiles) {
    if (file != kMeshFiles[kBearMesh]) LoadMesh(d3drm->CreateMeshBuilder(), meshFolder, file);
  }
  LoadBear(d3drm->CreateAnimationSet(), meshFolder, d3drm->CreateFrame(nullptr));
}

void ReleaseScene(SceneHandles& h) {
  h.sceneFrame.reset();
  h.cameraFrame.reset();
  h.playerFrame.reset();
  h.lightFrame.reset();
  h.ghostFrame.reset();
  h.ghostAnim.reset();
  for (auto& frame : h.blockFrames) frame.reset();
  for (auto& frame : h.objectFrames) frame.reset();
  h.sceneLight.reset();
  h.device.reset();
  h.viewport.reset();
  h.clipper.reset();
  h.d3drm.reset();
}

}  // namespace ursa::view
