// Saving and restoring the shared OpenGL state. Reading it back is cheap on Mesa, where it is
// kept on the client side, so every draw of the window or the renderer can afford a guard.
#include "gl/state_guard.hpp"

#include "gl/gl_api.hpp"

namespace ursa::gl {
namespace {

void SetEnabled(GLenum capability, bool enabled) {
  if (enabled) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

bool Enabled(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }

}  // namespace

StateGuard::StateGuard(Start start) {
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer_);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer_);
  glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray_);
  glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture_);
  glActiveTexture(GL_TEXTURE1);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture1_);
  glActiveTexture(GL_TEXTURE0);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture0_);
  glGetIntegerv(GL_VIEWPORT, viewport_);
  glGetIntegerv(GL_SCISSOR_BOX, scissorBox_);
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor_);
  glGetBooleanv(GL_COLOR_WRITEMASK, colorMask_);
  glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment_);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment_);
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &unpackRowLength_);
  glGetIntegerv(GL_FRONT_FACE, &frontFace_);
  depthTest_ = Enabled(GL_DEPTH_TEST);
  cullFace_ = Enabled(GL_CULL_FACE);
  blend_ = Enabled(GL_BLEND);
  scissorTest_ = Enabled(GL_SCISSOR_TEST);
  stencilTest_ = Enabled(GL_STENCIL_TEST);

  if (start == Start::kAsFound) {
    glActiveTexture(static_cast<GLenum>(activeTexture_));
    return;
  }
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_BLEND);
  glDisable(GL_SCISSOR_TEST);
  glDisable(GL_STENCIL_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

StateGuard::~StateGuard() {
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer_));
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer_));
  glUseProgram(static_cast<GLuint>(program_));
  glBindVertexArray(static_cast<GLuint>(vertexArray_));
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture1_));
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture0_));
  glActiveTexture(static_cast<GLenum>(activeTexture_));
  glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
  glScissor(scissorBox_[0], scissorBox_[1], scissorBox_[2], scissorBox_[3]);
  glClearColor(clearColor_[0], clearColor_[1], clearColor_[2], clearColor_[3]);
  glColorMask(colorMask_[0], colorMask_[1], colorMask_[2], colorMask_[3]);
  glPixelStorei(GL_PACK_ALIGNMENT, packAlignment_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment_);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, unpackRowLength_);
  glFrontFace(static_cast<GLenum>(frontFace_));
  SetEnabled(GL_DEPTH_TEST, depthTest_);
  SetEnabled(GL_CULL_FACE, cullFace_);
  SetEnabled(GL_BLEND, blend_);
  SetEnabled(GL_SCISSOR_TEST, scissorTest_);
  SetEnabled(GL_STENCIL_TEST, stencilTest_);
}

}  // namespace ursa::gl
