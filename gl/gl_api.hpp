// The OpenGL functions and constants the game draws with: libepoxy's OpenGL 3.3 core on the
// desktop, OpenGL ES 3.0 (WebGL 2) in the browser. Every GL user includes this, never either.
#pragma once

#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
// OpenGL ES clears depth with the float form only.
inline void glClearDepth(double depth) { glClearDepthf(static_cast<float>(depth)); }
#else
#include <epoxy/gl.h>
#endif

namespace ursa::gl {

#ifdef __EMSCRIPTEN__
// The page asks for WebGL 2 (OpenGL ES 3.0) and does not start without it.
inline bool ContextIsEnough() { return true; }
inline int ContextVersion() { return 30; }
#else
// The game draws with OpenGL 3.3 core; the version as 33 for 3.3.
inline bool ContextIsEnough() { return epoxy_is_desktop_gl() && epoxy_gl_version() >= 33; }
inline int ContextVersion() { return epoxy_gl_version(); }
#endif

}  // namespace ursa::gl
