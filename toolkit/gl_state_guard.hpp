// Saves the OpenGL state the toolkit's composing touches and restores it on leaving, so
// the 3D renderer that shares the context finds its state as it left it.
#pragma once

#include <epoxy/gl.h>

namespace ursa::tk {

class GlStateGuard {
 public:
  // Saves, then sets the plain state composing expects (no depth, cull, blend, scissor or
  // stencil test; all colour channels writable; unit 0 active; tight pixel rows).
  GlStateGuard();
  ~GlStateGuard();
  GlStateGuard(const GlStateGuard&) = delete;
  GlStateGuard& operator=(const GlStateGuard&) = delete;

 private:
  GLint drawFramebuffer_ = 0, readFramebuffer_ = 0, program_ = 0, vertexArray_ = 0;
  GLint activeTexture_ = 0, texture0_ = 0, texture1_ = 0;
  GLint viewport_[4] = {}, scissorBox_[4] = {};
  GLfloat clearColour_[4] = {};
  GLboolean colourMask_[4] = {};
  GLint packAlignment_ = 4, unpackAlignment_ = 4, unpackRowLength_ = 0;
  GLboolean depthTest_ = GL_FALSE, cullFace_ = GL_FALSE, blend_ = GL_FALSE;
  GLboolean scissorTest_ = GL_FALSE, stencilTest_ = GL_FALSE;
};

// Throws Error naming `what` when OpenGL has recorded an error since the last check.
void CheckGl(const char* what);

}  // namespace ursa::tk
