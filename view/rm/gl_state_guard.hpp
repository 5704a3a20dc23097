// GlStateGuard: saves the OpenGL state the renderer changes (framebuffers, viewport, scissor,
// depth, culling, program, vertex array) and puts it back when it goes out of scope, so the
// window toolkit's own drawing in the same context is never disturbed. Internal to the layer.
#pragma once

#include <array>

namespace ursa::rm {

class GlStateGuard {
 public:
  // The context must be current.
  GlStateGuard();
  ~GlStateGuard();
  GlStateGuard(const GlStateGuard&) = delete;
  GlStateGuard& operator=(const GlStateGuard&) = delete;

 private:
  int drawFramebuffer_ = 0;
  int readFramebuffer_ = 0;
  std::array<int, 4> viewport_{};
  std::array<int, 4> scissorBox_{};
  bool scissorTest_ = false;
  bool depthTest_ = false;
  bool cullFace_ = false;
  int frontFace_ = 0;
  int program_ = 0;
  int vertexArray_ = 0;
};

}  // namespace ursa::rm
