// The shared OpenGL context: making it current, checking for errors, the lazily built shader.
// Every OpenGL call of the layer goes through a context made current here first.
#include "view/rm/gl_context.hpp"

#include "gl/error.hpp"
#include "gl/gl_api.hpp"
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
    if (!gl::ContextIsEnough()) {
      throw Error(operation, "OpenGL 3.3 core is needed, the display offers version " +
                                 std::to_string(gl::ContextVersion()));
    }
    versionChecked_ = true;
  }
}

bool GlContext::TryUse() { return display_->MakeContextCurrent(); }

void GlContext::Check(const std::string& operation) {
  try {
    gl::Check(operation);
  } catch (const gl::Error& e) {
    throw Error(e.Operation(), e.Detail());
  }
}

GouraudShader& GlContext::Shader(const std::string& operation, int lightCount) {
  if (shaders_.empty()) shaders_.resize(kMaxLights + 1);
  auto& shader = shaders_.at(static_cast<size_t>(lightCount));
  if (!shader) shader = std::make_unique<GouraudShader>(operation, lightCount);
  return *shader;
}

}  // namespace ursa::rm
