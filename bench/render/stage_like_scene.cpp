// Building the benchmark's stage-shaped scene, following the order of a stage start.
// Block and object places are spread over the view like a real stage's, not copied from one.
#include "stage_like_scene.hpp"

namespace ursa::bench {

std::string AssetPath(const char* file) { return std::string(URSA_ASSETS_DIR) + "/" + file; }

void BuildStageLikeScene(StageLikeScene& s, rm::DirectXRoot& root, rm::PictureWindow& picture,
                         int objectsOfKind6) {
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

  rm::MeshBuilderPtr mesh = s.d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(AssetPath("back.x"), 0, 0);
  for (int t = 0; t < 48; ++t) {
    s.backdrop[t] = s.d3drm->CreateFrame(s.scene);
    s.backdrop[t]->AddVisual(mesh);
    s.backdrop[t]->SetPosition(nullptr, 750.0F * (t % 12) - 1000, 750.0F * (t / 12) - 400, 500);
  }
  mesh = s.d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(AssetPath("block.x"), 0, 0);
  for (int i = 0; i < 100; ++i) {
    s.blocks[i] = s.d3drm->CreateFrame(s.scene);
    s.blocks[i]->AddVisual(mesh);
    // Forty blocks in view in rows, the rest parked far away as empty entries are.
    const bool used = i < 40;
    s.blocks[i]->SetPosition(nullptr, used ? 150.0F * (i % 20) - 1500 : -5000,
                             used ? -150.0F - 150.0F * (i / 20) : 0, 0);
  }
  const char* kOthers[] = {"door.x", "light.x", "arrow.x", "block2.x", "toge.x"};
  for (int i = 0; i < 50; ++i) {
    mesh = s.d3drm->CreateMeshBuilder();
    if (i < objectsOfKind6) {
      mesh->LoadFromFile(AssetPath("block3.x"), 0, 0);
      mesh->SetColorRGB(0.1F * (i % 10), 0.5F, 1.0F - 0.02F * i);
    } else if (i - objectsOfKind6 < 5) {
      mesh->LoadFromFile(AssetPath(kOthers[i - objectsOfKind6]), 0, 0);
    }
    s.objects[i] = s.d3drm->CreateFrame(s.scene);
    s.objects[i]->AddVisual(mesh);
    s.objects[i]->SetPosition(nullptr, 160.0F * (i % 25) - 1800, 300.0F + 200.0F * (i / 25), 0);
  }
  s.viewport->SetBack(5000.0F);
}

void PlaceForFrame(StageLikeScene& s, float playerX, float animTime) {
  s.player->SetPosition(nullptr, playerX, 0, 0);
  s.playerAnim->SetTime(animTime);
  s.camera->SetPosition(nullptr, playerX, 250, -1250);
  s.camera->LookAt(s.player, nullptr, 0);
  s.light->SetPosition(nullptr, playerX, 500, -400);
  s.light->LookAt(s.player, nullptr, 0);
}

}  // namespace ursa::bench
