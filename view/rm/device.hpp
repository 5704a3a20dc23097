// Device: the image the renderer draws into (an offscreen OpenGL framebuffer with colour and
// depth), shown in its clipper's picture box by Update.
#pragma once

#include <cstdint>
#include <memory>

#include "gl/rect.hpp"
#include "view/rm/handles.hpp"
#include "view/rm/image.hpp"

namespace ursa::rm {

class Frame;
class GlContext;
class GlObject;

// A rectangle of the device's image in pixels, rows counted from the top.
using DeviceRect = gl::Rect;

class Device {
 public:
  // Makes a width x height image, cleared to black. Throws Error when OpenGL cannot.
  Device(std::shared_ptr<GlContext> context, ClipperPtr clipper, int width, int height);
  ~Device();
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  // Rendering settings as the game gives them (137: Gouraud shading, lights on, solid fill;
  // then 64 and 0). They are accepted and change nothing: drawing is always lit,
  // Gouraud-shaded and solid.
  void SetQuality(int /*quality*/) {}
  void SetShades(int /*shades*/) {}
  void SetDither(int /*dither*/) {}

  // Presents: hands the image to the clipper's picture box.
  void Update();

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The image as it is now, rows from the top.
  Image ReadImage();

  GlContext& Context() { return *context_; }
  // The framebuffer viewports draw into.
  unsigned Framebuffer() const;

  // --- For the device's viewports ---
  // A viewport's clear waits for its render: when that render would draw the same scene at the
  // same scene change count over a full clear of the same rectangle, neither is done, and the
  // picture box is told that nothing changed. Any other drawing, Update or ReadImage first
  // does the waiting clear.
  void AddViewport() { ++viewportsMade_; }
  void ViewportGone(const void* viewport);
  void QueueClear(const void* viewport, DeviceRect rect, int flags);
  // True when the render of `scene` through `viewport` can be left out (its queued clear is
  // dropped); otherwise the queued clear is done and the viewport must render, then call
  // RenderDone.
  bool SkipRender(const void* viewport, const Frame* scene);
  void RenderDone(const void* viewport, DeviceRect rect, const Frame* scene);

 private:
  std::shared_ptr<GlContext> context_;
  ClipperPtr clipper_;
  int width_;
  int height_;
  std::unique_ptr<GlObject> color_;
  std::unique_ptr<GlObject> depth_;
  std::unique_ptr<GlObject> framebuffer_;

  struct QueuedClear {
    const void* viewport = nullptr;
    DeviceRect rect;
    int flags = 0;
  };
  // What the last render drew: valid only while nothing else has drawn since.
  struct LastRender {
    const void* viewport = nullptr;
    const Frame* scene = nullptr;
    uint64_t sceneChanges = 0;
    bool overFullClear = false;
  };
  void DoQueuedClear();
  QueuedClear queued_;
  LastRender last_;
  int viewportsMade_ = 0;
};

}  // namespace ursa::rm
