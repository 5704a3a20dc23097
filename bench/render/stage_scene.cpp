// Building a stage's scene for the benchmark from the game's own layouts and mesh files.
// The order of creation follows a stage start, so the frame tree is the one the game renders.
#include "stage_scene.hpp"

#include "game/stage_layouts.hpp"

namespace ursa::bench {
namespace {

std::string AssetPath(const char* file) { return std::string(URSA_ASSETS_DIR) + "/" + file; }

constexpr const char* kKindMeshFile[] = {nullptr,    "door.x", "light.x", "arrow.x",
                                         "block2.x", "toge.x", "block3.x"};

}  // namespace

void BuildStageScene(StageScene& s, GameState& state, rm::DirectXRoot& root,
                     rm::PictureWindow& picture) {
  LoadStageLayout(state);
  s.clipper = root.DirectDrawCreate("")->CreateClipper(0);
  s.clipper->SetHWnd(&picture);
  s.d3drm = root.Direct3DRMCreate();
  s.device = s.d3drm->CreateDeviceFromClipper(s.clipper, "", 640, 480);
  s.device->SetQuality(137);
  s.scene = s.d3drm->CreateFrame(nullptr);
  s.camera = s.d3drm->CreateFrame(s.scene);
  s.light = s.d3drm->CreateFrame(s.scene);
  s.viewport = s.d3drm->CreateViewport(s.device, s.camera, 120, 65, 400, 300);
  s.player = s.d3drm->CreateFrame(s.scene);
  s.playerAnim = s.d3drm->CreateAnimationSet();
  s.playerAnim->LoadFromFile(AssetPath("bear.x"), 0, 0, s.player);
  s.player->SetOrientation(nullptr, 1, 0, 0, 0, 1, 0);
  s.light->AddLight(s.d3drm->CreateLightRGB(rm::LightType::kDirectional, 1, 1, 1));
  s.camera->SetPosition(nullptr, 0, 250, -650);

  rm::MeshBuilderPtr mesh = s.d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(AssetPath("back.x"), 0, 0);
  for (int t = 0; t < 48; ++t) {
    s.backdrop[t] = s.d3drm->CreateFrame(s.scene);
    s.backdrop[t]->AddVisual(mesh);
    s.backdrop[t]->SetPosition(nullptr, 750.0F * (t % 12) - 1000, 750.0F * (t / 12) - 400, 500);
  }
  mesh = s.d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(AssetPath("block.x"), 0, 0);
  for (int i = 0; i < kBlockCount; ++i) {
    s.blocks[i] = s.d3drm->CreateFrame(s.scene);
    s.blocks[i]->AddVisual(mesh);
    s.blocks[i]->SetPosition(nullptr, state.blockX[i], state.blockY[i], 0);
  }
  for (int i = 0; i < kObjectCount; ++i) {
    mesh = s.d3drm->CreateMeshBuilder();
    const int kind = state.objKind[i];
    if (kind >= 1 && kind <= 6) mesh->LoadFromFile(AssetPath(kKindMeshFile[kind]), 0, 0);
    if (kind == 6 && state.stage == 10) mesh->SetColorRGB(0.02F * i, 0.5F, 1.0F - 0.02F * i);
    s.objects[i] = s.d3drm->CreateFrame(s.scene);
    s.objects[i]->AddVisual(mesh);
    s.objects[i]->SetPosition(nullptr, state.objX[i], state.objY[i], 0);
  }
  s.viewport->SetBack(5000.0F);
}

void PlaceForFrame(StageScene& s, float x, float y, float animTime) {
  s.player->SetPosition(nullptr, x, y, 0);
  s.playerAnim->SetTime(animTime);
  s.camera->SetPosition(nullptr, x, y + 250, -1250);
  s.camera->LookAt(s.player, nullptr, 0);
  s.light->SetPosition(nullptr, x, y + 500, -400);
  s.light->LookAt(s.player, nullptr, 0);
}

}  // namespace ursa::bench
