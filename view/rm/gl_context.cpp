// The shared OpenGL context: making it current, checking for errors, the lazily built shader.
// Every OpenGL call of the layer goes through a context made current here first.
#include "view/rm/gl_context.hpp"

#include <epoxy/gl.h>

#include <array>
#include <cstdio>

#include "view/rm/error.hpp"
#include "view/rm/gouraud_shader.hpp"

namespace ursa::rm {

GlContext::GlContext(Display& display) : display_(&display) {}

GlContext::~GlContext() {
  // Programs must go while the context is current; without one they die with the context.
  const bool current = TryUse();
  for (auto& shader : shaders_) {
    if (shader && !current) shader->Abandon();
  }
}

void GlContext::Use(const std::string& operation) {
  if (!display_->MakeContextCurrent()) throw Error(operation, "no OpenGL context on the display");
  if (!versionChecked_) {
    if (!epoxy_is_desktop_gl() || epoxy_gl_version() < 33) {
      throw Error(operation, "OpenGL 3.3 core is needed, the display offers version " +
                                 std::to_string(epoxy_gl_version()));
    }
    versionChecked_ = true;
  }
}

bool GlContext::TryUse() { return display_->MakeContextCurrent(); }

void GlContext::Check(const std::string& operation) {
  const GLenum error = glGetError();
  if (error == GL_NO_ERROR) return;
  // Drain the rest so the next operation starts clean.
  while (glGetError() != GL_NO_ERROR) {
  }
  std::array<char, 16> code{};
  std::snprintf(code.data(), code.size(), "0x%04X", error);
  throw Error(operation, std::string("OpenGL error ") + code.data());
}

GouraudShader& GlContext::Shader(const std::string& operation, int lightCount) {
  if (shaders_.empty()) shaders_.resize(kMaxLights + 1);
  auto& shader = shaders_.at(static_cast<size_t>(lightCount));
  if (!shader) shader = std::make_unique<GouraudShader>(operation, lightCount);
  return *shader;
}

}  // namespace ursa::rm
