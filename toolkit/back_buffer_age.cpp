// Buffer age through GLX_EXT_buffer_age or EGL_EXT_buffer_age, whichever API made the current
// context; the answers without them are in the header. The partial copy through GLX alone.
#include "toolkit/back_buffer_age.hpp"

#include <epoxy/egl.h>
#include <epoxy/glx.h>

namespace ursa::tk {
namespace {

int EglAge(EGLDisplay display) {
  const EGLSurface surface = eglGetCurrentSurface(EGL_DRAW);
  if (surface == EGL_NO_SURFACE) return 0;
  EGLint value = 0;
  if (epoxy_has_egl_extension(display, "EGL_EXT_buffer_age")) {
    return eglQuerySurface(display, surface, EGL_BUFFER_AGE_EXT, &value) == EGL_TRUE ? value : 0;
  }
  if (eglQuerySurface(display, surface, EGL_SWAP_BEHAVIOR, &value) == EGL_TRUE &&
      value == EGL_BUFFER_PRESERVED) {
    return 1;
  }
  return 0;
}

int GlxAge(Display* display, bool softwareRasteriser) {
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (drawable == 0) return 0;
  if (epoxy_has_glx_extension(display, 0, "GLX_EXT_buffer_age")) {
    unsigned age = 0;
    glXQueryDrawable(display, drawable, GLX_BACK_BUFFER_AGE_EXT, &age);
    return static_cast<int>(age);
  }
  return softwareRasteriser ? 1 : 0;
}

}  // namespace

int BackBufferAge(bool glx, bool softwareRasteriser) {
  if (epoxy_has_egl()) {
    const EGLDisplay display = eglGetCurrentDisplay();
    if (display != EGL_NO_DISPLAY && eglGetCurrentContext() != EGL_NO_CONTEXT) {
      return EglAge(display);
    }
  }
  if (!glx) return 0;
  if (Display* display = glXGetCurrentDisplay()) return GlxAge(display, softwareRasteriser);
  return 0;
}

bool CopyToWindow(bool glx, int x, int y, int width, int height) {
  if (!glx) return false;
  Display* display = glXGetCurrentDisplay();
  if (display == nullptr || !epoxy_has_glx_extension(display, 0, "GLX_MESA_copy_sub_buffer")) {
    return false;
  }
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (drawable == 0) return false;
  glXCopySubBufferMESA(display, drawable, x, y, width, height);
  return true;
}

}  // namespace ursa::tk
