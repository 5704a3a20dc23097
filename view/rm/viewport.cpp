// Viewports: the projection, clearing and rendering into a rectangle of the device's image.
// Each render sets all the OpenGL state it draws with, as every pass on the shared context does
// (gl/draw_state.hpp).
#include "view/rm/viewport.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "gl/draw_state.hpp"
#include "gl/gl_api.hpp"
#include "view/rm/device.hpp"
#include "view/rm/error.hpp"
#include "view/rm/frame.hpp"
#include "view/rm/gl_context.hpp"
#include "view/rm/live_objects.hpp"
#include "view/rm/scene_changes.hpp"
#include "view/rm/scene_draw.hpp"

namespace ursa::rm {
namespace {

// At unit distance the larger side of the rectangle spans this half-extent.
constexpr float kHalfExtent = 0.5F;

}  // namespace

Viewport::Viewport(DevicePtr device, FramePtr camera, int left, int top, int width, int height)
    : device_(std::move(device)),
      camera_(std::move(camera)),
      left_(left),
      top_(top),
      width_(width),
      height_(height) {
  const char* kOperation = "CreateViewport";
  if (!device_) throw Error(kOperation, "no device given");
  if (!camera_) throw Error(kOperation, "no camera frame given");
  if (left < 0 || top < 0 || width <= 0 || height <= 0 || left + width > device_->Width() ||
      top + height > device_->Height()) {
    throw Error(kOperation, "rectangle (" + std::to_string(left) + ", " + std::to_string(top) +
                                ", " + std::to_string(width) + ", " + std::to_string(height) +
                                ") does not lie inside the device's image");
  }
  device_->AddViewport();
  live::Add(live::kViewport, 1);
  CountSceneChange();
}

Viewport::~Viewport() {
  device_->ViewportGone(this);
  live::Add(live::kViewport, -1);
  CountSceneChange();
}

void Viewport::SetBack(float back) {
  if (!(back > kFront)) throw Error("SetBack", "the back clip must lie beyond the front clip");
  if (back == back_) return;
  back_ = back;
  CountSceneChange();
}

Frustum Viewport::ViewFrustum() const {
  const auto larger = static_cast<float>(std::max(width_, height_));
  return {larger / (kHalfExtent * static_cast<float>(width_)),
          larger / (kHalfExtent * static_cast<float>(height_)), kFront, back_};
}

Mat4 Viewport::Projection() const {
  const Frustum f = ViewFrustum();
  Mat4 p;
  p(0, 0) = f.scaleX;
  p(1, 1) = f.scaleY;
  // Camera space looks down +z: depth grows with z, and w is z itself.
  p(2, 2) = (back_ + kFront) / (back_ - kFront);
  p(2, 3) = -2.0F * back_ * kFront / (back_ - kFront);
  p(3, 2) = 1.0F;
  p(3, 3) = 0.0F;
  return p;
}

bool Viewport::Project(Vec3 world, float& x, float& y) const {
  const Vec3 camera = TransformPoint(Inverse(camera_->WorldTransform()), world);
  if (camera.z < kFront) return false;
  const Mat4 p = Projection();
  const float ndcX = p(0, 0) * camera.x / camera.z;
  const float ndcY = p(1, 1) * camera.y / camera.z;
  x = static_cast<float>(left_) + (ndcX + 1.0F) * 0.5F * static_cast<float>(width_);
  y = static_cast<float>(top_) + (1.0F - ndcY) * 0.5F * static_cast<float>(height_);
  return true;
}

void Viewport::BindRectangle() {
  // The device's rows run from the bottom in OpenGL.
  const gl::Rect rect{left_, device_->Height() - (top_ + height_), width_, height_};
  gl::DrawInto(device_->Framebuffer(), rect, rect);
}

void Viewport::Clear(int flags) {
  // Done by the device when it must be: a render that repeats the last one skips it.
  device_->QueueClear(this, {left_, top_, width_, height_}, flags & (kClearTarget | kClearDepth));
}

void Viewport::Render(const FramePtr& scene) {
  if (!scene) throw Error("Render", "no scene frame given");
  if (device_->SkipRender(this, scene.get())) return;
  device_->Context().Use("Render");
  BindRectangle();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glDepthMask(GL_TRUE);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glDisable(GL_BLEND);
  glDisable(GL_STENCIL_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  const Mat4 cameraWorld = camera_->WorldTransform();
  lastDrawCount_ = DrawScene(device_->Context(), *scene, Inverse(cameraWorld), Projection(),
                             ViewFrustum(), cameraWorld.Column(3), "Render");
  device_->Context().Check("Render");
  device_->RenderDone(this, {left_, top_, width_, height_}, scene.get());
}

}  // namespace ursa::rm
