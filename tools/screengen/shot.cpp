// Offscreen rendering of small scenes of the game's meshes for the screen picture, the icon
// and the art renders, with the scene built from the same operations the game uses.
#include "tools/screengen/shot.hpp"

#include "harness/offscreen_display.hpp"
#include "view/rm/rm.hpp"

namespace ursa::screengen {

struct ShotRenderer::State {
  harness::OffscreenDisplay display{64, 64};
  harness::OffscreenPicture picture;
  rm::DirectXRootPtr root;
  rm::Direct3DRMPtr d3drm;
  rm::ClipperPtr clipper;
};

Placement MeshAt(std::string file, rm::Vec3 position) {
  Placement p;
  p.file = std::move(file);
  p.position = position;
  return p;
}

Placement BearAt(rm::Vec3 position, rm::Vec3 direction, float time) {
  Placement p = MeshAt("bear.x", position);
  p.direction = direction;
  p.animated = true;
  p.time = time;
  return p;
}

Shot GameView(rm::Vec3 at, int width, int height) {
  Shot shot;
  shot.width = width;
  shot.height = height;
  shot.target = at;
  shot.camera = at + rm::Vec3{0, 250, -1250};
  shot.light = at + rm::Vec3{0, 500, -400};
  return shot;
}

ShotRenderer::ShotRenderer(std::string assetDir)
    : assetDir_(std::move(assetDir)), state_(std::make_unique<State>()) {
  state_->root = rm::CreateDirectXRoot(state_->display);
  state_->clipper = state_->root->DirectDrawCreate("")->CreateClipper(0);
  state_->clipper->SetHWnd(&state_->picture);
  state_->d3drm = state_->root->Direct3DRMCreate();
}

ShotRenderer::~ShotRenderer() = default;

rm::Image ShotRenderer::Render(const Shot& shot) {
  rm::Direct3DRM& d3drm = *state_->d3drm;
  const rm::DevicePtr device =
      d3drm.CreateDeviceFromClipper(state_->clipper, "", shot.width, shot.height);
  device->SetQuality(137);
  const rm::FramePtr scene = d3drm.CreateFrame(nullptr);
  const rm::FramePtr camera = d3drm.CreateFrame(scene);
  const rm::FramePtr target = d3drm.CreateFrame(scene);
  const rm::FramePtr lightFrame = d3drm.CreateFrame(scene);
  const rm::ViewportPtr viewport =
      d3drm.CreateViewport(device, camera, 0, 0, shot.width, shot.height);
  viewport->SetBack(5000.0F);
  const rm::LightPtr light = d3drm.CreateLightRGB(rm::LightType::kDirectional, 1, 1, 1);
  lightFrame->AddLight(light);
  target->SetPosition(nullptr, shot.target.x, shot.target.y, shot.target.z);
  camera->SetPosition(nullptr, shot.camera.x, shot.camera.y, shot.camera.z);
  camera->LookAt(target, nullptr, 0);
  lightFrame->SetPosition(nullptr, shot.light.x, shot.light.y, shot.light.z);
  lightFrame->LookAt(target, nullptr, 0);

  // Animation sets are held until the render so that their frames keep their poses.
  std::vector<rm::AnimationSetPtr> animations;
  for (const Placement& item : shot.items) {
    const rm::FramePtr frame = d3drm.CreateFrame(scene);
    const std::string path = assetDir_ + "/" + item.file;
    if (item.animated) {
      rm::AnimationSetPtr animation = d3drm.CreateAnimationSet();
      animation->LoadFromFile(path, 0, 0, frame);
      if (item.headOnly) {
        // The head moves up to the model's own frame and the body goes with its limbs.
        const rm::FramePtr body = animation->FrameNamed("Body");
        frame->AddChild(animation->FrameNamed("Head"));
        body->Parent()->DeleteChild(body);
      }
      animation->SetTime(item.time);
      animations.push_back(animation);
    } else {
      const rm::MeshBuilderPtr mesh = d3drm.CreateMeshBuilder();
      mesh->LoadFromFile(path, 0, 0);
      if (item.color) {
        mesh->SetColorRGB(item.color->x, item.color->y, item.color->z);
      }
      frame->AddVisual(mesh);
    }
    frame->SetOrientation(nullptr, item.direction.x, item.direction.y, item.direction.z, 0, 1, 0);
    frame->SetPosition(nullptr, item.position.x, item.position.y, item.position.z);
  }
  viewport->Clear(7);
  viewport->Render(scene);
  rm::Image image = device->ReadImage();
  for (size_t i = 0; i < image.rgba.size(); i += 4) {
    const bool drawn = image.rgba[i] != 0 || image.rgba[i + 1] != 0 || image.rgba[i + 2] != 0;
    image.rgba[i + 3] = drawn ? 255 : 0;
  }
  return image;
}

}  // namespace ursa::screengen
