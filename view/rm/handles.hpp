// Handles of the retained-mode objects: shared pointers, so an object is freed with its last
// handle. Parents hold their children strongly and children see their parent weakly.
#pragma once

#include <memory>

namespace ursa::rm {

class DirectXRoot;
class DirectDraw;
class Clipper;
class Direct3DRM;
class Device;
class Viewport;
class Frame;
class Light;
class MeshBuilder;
class AnimationSet;

using DirectXRootPtr = std::shared_ptr<DirectXRoot>;
using DirectDrawPtr = std::shared_ptr<DirectDraw>;
using ClipperPtr = std::shared_ptr<Clipper>;
using Direct3DRMPtr = std::shared_ptr<Direct3DRM>;
using DevicePtr = std::shared_ptr<Device>;
using ViewportPtr = std::shared_ptr<Viewport>;
using FramePtr = std::shared_ptr<Frame>;
using LightPtr = std::shared_ptr<Light>;
using MeshBuilderPtr = std::shared_ptr<MeshBuilder>;
using AnimationSetPtr = std::shared_ptr<AnimationSet>;

}  // namespace ursa::rm
