// Saving and restoring the shared OpenGL state around the toolkit's composing, and the
// error check that turns a GL failure into one clear message.
#include "toolkit/gl_state_guard.hpp"

#include <array>
#include <cstdio>
#include <string>

#include "toolkit/fatal.hpp"

namespace ursa::tk {
namespace {

void SetEnabled(GLenum capability, GLboolean enabled) {
  if (enabled != GL_FALSE) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

}  // namespace

GlStateGuard::GlStateGuard() {
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
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour_);
  glGetBooleanv(GL_COLOR_WRITEMASK, colourMask_);
  glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment_);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment_);
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &unpackRowLength_);
  depthTest_ = glIsEnabled(GL_DEPTH_TEST);
  cullFace_ = glIsEnabled(GL_CULL_FACE);
  blend_ = glIsEnabled(GL_BLEND);
  scissorTest_ = glIsEnabled(GL_SCISSOR_TEST);
  stencilTest_ = glIsEnabled(GL_STENCIL_TEST);

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

GlStateGuard::~GlStateGuard() {
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, drawFramebuffer_);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, readFramebuffer_);
  glUseProgram(program_);
  glBindVertexArray(vertexArray_);
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_2D, texture1_);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, texture0_);
  glActiveTexture(activeTexture_);
  glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
  glScissor(scissorBox_[0], scissorBox_[1], scissorBox_[2], scissorBox_[3]);
  glClearColor(clearColour_[0], clearColour_[1], clearColour_[2], clearColour_[3]);
  glColorMask(colourMask_[0], colourMask_[1], colourMask_[2], colourMask_[3]);
  glPixelStorei(GL_PACK_ALIGNMENT, packAlignment_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment_);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, unpackRowLength_);
  SetEnabled(GL_DEPTH_TEST, depthTest_);
  SetEnabled(GL_CULL_FACE, cullFace_);
  SetEnabled(GL_BLEND, blend_);
  SetEnabled(GL_SCISSOR_TEST, scissorTest_);
  SetEnabled(GL_STENCIL_TEST, stencilTest_);
}

void CheckGl(const char* what) {
  const GLenum error = glGetError();
  if (error == GL_NO_ERROR) return;
  // Later errors are consequences of the first; a bounded drain leaves a clean slate.
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  std::array<char, 16> code{};
  std::snprintf(code.data(), code.size(), "0x%04X", error);
  throw Error(std::string("OpenGL failed while ") + what + " (error " + code.data() +
              "): update the graphics driver or run with LIBGL_ALWAYS_SOFTWARE=1");
}

}  // namespace ursa::tk
