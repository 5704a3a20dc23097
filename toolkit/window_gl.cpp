// The window's shared OpenGL pieces: the full-window triangle, errors turned into the
// toolkit's Error with the player's way out, and the renderer's name read once per context.
#include "toolkit/window_gl.hpp"

#include <string_view>

#include "gl/error.hpp"
#include "gl/gl_api.hpp"
#include "toolkit/error.hpp"

namespace ursa::tk {
namespace {

constexpr const char* kFullWindowVertex = R"(#version 330 core
void main() {
  vec2 corner = vec2((gl_VertexID << 1) & 2, gl_VertexID & 2);
  gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

}  // namespace

gl::Program MakeWindowProgram(const std::string& fragmentSource) {
  try {
    return {"building the window's shaders", kFullWindowVertex, fragmentSource.c_str()};
  } catch (const gl::Error& e) {
    throw Error(e.Operation() + " (OpenGL 3.3 core needed): " + e.Detail());
  }
}

void CheckWindowGl(const char* what) {
  try {
    gl::Check(what);
  } catch (const gl::Error& e) {
    throw Error("OpenGL failed while " + e.Operation() + " (" + e.Detail() +
                "): update the graphics driver or run with LIBGL_ALWAYS_SOFTWARE=1");
  }
}

bool SoftwareRasteriser() {
  const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  if (name == nullptr) return false;
  const std::string_view renderer(name);
  return renderer.find("llvmpipe") != std::string_view::npos ||
         renderer.find("softpipe") != std::string_view::npos ||
         renderer.find("swrast") != std::string_view::npos;
}

}  // namespace ursa::tk
