// Direct3DRM: the renderer, which makes devices, frames, lights, mesh builders, animation
// sets and viewports, all drawing through the display's OpenGL context.
#pragma once

#include <memory>
#include <string>

#include "view/rm/handles.hpp"
#include "view/rm/light.hpp"

namespace ursa::rm {

class GlContext;

class Direct3DRM {
 public:
  explicit Direct3DRM(std::shared_ptr<GlContext> context);

  // guid "" is the default (and only) device; the image is width x height.
  DevicePtr CreateDeviceFromClipper(const ClipperPtr& clipper, const std::string& guid, int width,
                                    int height);
  // parent nullptr makes a root frame.
  FramePtr CreateFrame(const FramePtr& parent);
  LightPtr CreateLightRGB(LightType type, float r, float g, float b);
  MeshBuilderPtr CreateMeshBuilder();
  AnimationSetPtr CreateAnimationSet();
  ViewportPtr CreateViewport(const DevicePtr& device, const FramePtr& camera, int x, int y,
                             int width, int height);

 private:
  std::shared_ptr<GlContext> context_;
};

}  // namespace ursa::rm
