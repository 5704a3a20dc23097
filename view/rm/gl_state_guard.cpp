// Saving and restoring the OpenGL state the renderer touches.
// Reading state back is cheap on Mesa: it is kept on the client side.
#include "view/rm/gl_state_guard.hpp"

#include <epoxy/gl.h>

namespace ursa::rm {
namespace {

void Enable(GLenum capability, bool on) {
  if (on) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

}  // namespace

GlStateGuard::GlStateGuard() {
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer_);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer_);
  glGetIntegerv(GL_VIEWPORT, viewport_.data());
  glGetIntegerv(GL_SCISSOR_BOX, scissorBox_.data());
  scissorTest_ = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
  depthTest_ = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
  cullFace_ = glIsEnabled(GL_CULL_FACE) == GL_TRUE;
  glGetIntegerv(GL_FRONT_FACE, &frontFace_);
  glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray_);
}

GlStateGuard::~GlStateGuard() {
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer_));
  glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer_));
  glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
  glScissor(scissorBox_[0], scissorBox_[1], scissorBox_[2], scissorBox_[3]);
  Enable(GL_SCISSOR_TEST, scissorTest_);
  Enable(GL_DEPTH_TEST, depthTest_);
  Enable(GL_CULL_FACE, cullFace_);
  glFrontFace(static_cast<GLenum>(frontFace_));
  glUseProgram(static_cast<GLuint>(program_));
  glBindVertexArray(static_cast<GLuint>(vertexArray_));
}

}  // namespace ursa::rm
