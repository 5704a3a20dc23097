// Device: the image the renderer draws into (an offscreen OpenGL framebuffer with colour and
// depth), shown in its clipper's picture box by Update.
#pragma once

#include <memory>

#include "view/rm/handles.hpp"
#include "view/rm/image.hpp"

namespace ursa::rm {

class GlContext;
class GlObject;

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

 private:
  std::shared_ptr<GlContext> context_;
  ClipperPtr clipper_;
  int width_;
  int height_;
  std::unique_ptr<GlObject> color_;
  std::unique_ptr<GlObject> depth_;
  std::unique_ptr<GlObject> framebuffer_;
};

}  // namespace ursa::rm
