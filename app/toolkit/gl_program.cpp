// Shader program building for the toolkit's two passes (compose and scale to the window).
// A failure names the stage and carries the driver's log.
#include "app/toolkit/gl_program.hpp"

#include <string>

#include "app/toolkit/fatal.hpp"

namespace ursa::tk {
namespace {

GLuint CompileShader(GLenum type, const char* source) {
  const GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok == GL_TRUE) return shader;
  char log[1024] = {};
  glGetShaderInfoLog(shader, sizeof log, nullptr, log);
  glDeleteShader(shader);
  throw Error(std::string("the window's ") + (type == GL_VERTEX_SHADER ? "vertex" : "fragment") +
              " shader does not compile (OpenGL 3.3 core needed): " + log);
}

}  // namespace

GlProgram::GlProgram(const char* vertexSource, const char* fragmentSource) {
  const GLuint vertex = CompileShader(GL_VERTEX_SHADER, vertexSource);
  GLuint fragment = 0;
  try {
    fragment = CompileShader(GL_FRAGMENT_SHADER, fragmentSource);
  } catch (...) {
    glDeleteShader(vertex);
    throw;
  }
  id_ = glCreateProgram();
  glAttachShader(id_, vertex);
  glAttachShader(id_, fragment);
  glLinkProgram(id_);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = GL_FALSE;
  glGetProgramiv(id_, GL_LINK_STATUS, &ok);
  if (ok == GL_TRUE) return;
  char log[1024] = {};
  glGetProgramInfoLog(id_, sizeof log, nullptr, log);
  glDeleteProgram(id_);
  throw Error(std::string("the window's shader program does not link: ") + log);
}

GlProgram::~GlProgram() { glDeleteProgram(id_); }

}  // namespace ursa::tk
