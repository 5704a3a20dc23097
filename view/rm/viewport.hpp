// Viewport: a rectangle of a device's image through which a camera frame sees a scene.
// Perspective with the classic default field of view: at unit distance the larger side of
// the rectangle spans -0.5..0.5; front clip 1, back clip as set.
#pragma once

#include "view/rm/frustum.hpp"
#include "view/rm/handles.hpp"
#include "view/rm/math.hpp"

namespace ursa::rm {

// Clear flags; Clear(7) clears all.
inline constexpr int kClearTarget = 1;
inline constexpr int kClearDepth = 2;

class Viewport {
 public:
  // left, top, width, height in pixels of the device's image, top-left origin; the rectangle
  // must lie inside the image.
  Viewport(DevicePtr device, FramePtr camera, int left, int top, int width, int height);
  ~Viewport();
  Viewport(const Viewport&) = delete;
  Viewport& operator=(const Viewport&) = delete;

  // Distance of the back clipping plane; it must lie beyond the front one, at distance 1.
  void SetBack(float back);

  // Clears the rectangle: colour to black (target) and/or depth to far.
  void Clear(int flags);
  // Draws every mesh under scene, lit by the lights under scene, seen from the camera.
  void Render(const FramePtr& scene);

  // From the camera's space to OpenGL clip space (x right, y up, depth in -1..1).
  Mat4 Projection() const;
  Frustum ViewFrustum() const;
  // Where a world point lands in the device image (pixels from the top-left); false when it
  // lies behind the front clip.
  bool Project(Vec3 world, float& x, float& y) const;
  const FramePtr& Camera() const { return camera_; }
  // Meshes drawn by the last Render (those wholly outside the view are skipped).
  int LastDrawCount() const { return lastDrawCount_; }

 private:
  static constexpr float kFront = 1.0F;  // the front clipping plane's distance

  // Binds the device's framebuffer and limits drawing to the rectangle.
  void BindRectangle();

  DevicePtr device_;
  FramePtr camera_;
  int left_, top_, width_, height_;
  float back_ = 100.0F;
  int lastDrawCount_ = 0;
};

}  // namespace ursa::rm
