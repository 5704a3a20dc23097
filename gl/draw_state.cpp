// Setting the shared drawing state. Mesa compares each setting with the one in force and does
// nothing more when they agree, so setting state that is already so is cheap.
#include "gl/draw_state.hpp"

#include "gl/gl_api.hpp"

namespace ursa::gl {

void DrawInto(unsigned framebuffer, const Rect& viewport, const Rect& scissor) {
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
  glEnable(GL_SCISSOR_TEST);
  glScissor(scissor.x, scissor.y, scissor.width, scissor.height);
}

void PlainDrawing() {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_BLEND);
  glDisable(GL_STENCIL_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

}  // namespace ursa::gl
