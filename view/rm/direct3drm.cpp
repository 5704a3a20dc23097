// The renderer's object factory.
// Checks the arguments the objects themselves cannot, then hands out shared handles.
#include "view/rm/direct3drm.hpp"

#include <utility>

#include "view/rm/animation_set.hpp"
#include "view/rm/device.hpp"
#include "view/rm/direct_draw.hpp"
#include "view/rm/error.hpp"
#include "view/rm/frame.hpp"
#include "view/rm/gl_context.hpp"
#include "view/rm/mesh_builder.hpp"
#include "view/rm/viewport.hpp"

namespace ursa::rm {

Direct3DRM::Direct3DRM(std::shared_ptr<GlContext> context) : context_(std::move(context)) {}

DevicePtr Direct3DRM::CreateDeviceFromClipper(const ClipperPtr& clipper, const std::string& guid,
                                              int width, int height) {
  if (!clipper) throw Error("CreateDeviceFromClipper", "no clipper given");
  if (!guid.empty()) throw Error("CreateDeviceFromClipper", "unknown device \"" + guid + "\"");
  if (clipper->Window() == nullptr) {
    throw Error("CreateDeviceFromClipper", "the clipper is not bound to a picture box");
  }
  return std::make_shared<Device>(context_, clipper, width, height);
}

FramePtr Direct3DRM::CreateFrame(const FramePtr& parent) { return Frame::Create(parent); }

LightPtr Direct3DRM::CreateLightRGB(LightType type, float r, float g, float b) {
  if (type != LightType::kAmbient && type != LightType::kDirectional) {
    throw Error("CreateLightRGB",
                "unsupported light type " + std::to_string(static_cast<int>(type)));
  }
  return std::make_shared<Light>(type, Color{r, g, b});
}

MeshBuilderPtr Direct3DRM::CreateMeshBuilder() { return std::make_shared<MeshBuilder>(context_); }

AnimationSetPtr Direct3DRM::CreateAnimationSet() {
  return std::make_shared<AnimationSet>(context_);
}

ViewportPtr Direct3DRM::CreateViewport(const DevicePtr& device, const FramePtr& camera, int x,
                                       int y, int width, int height) {
  return std::make_shared<Viewport>(device, camera, x, y, width, height);
}

}  // namespace ursa::rm
