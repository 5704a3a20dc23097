// Shader program building for the toolkit's two passes (compose and scale to the window).
// A failure names the stage and carries the driver's log.
#include "toolkit/gl_program.hpp"

#include <array>
#include <string>

#include "toolkit/fatal.hpp"

namespace ursa::tk {
namespace {

GLuint CompileShader(GLenum type, const char* source) {
  const GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok == GL_TRUE) return shader;
  std::array<char, 1024> log{};
  glGetShaderInfoLog(shader, log.size(), nullptr, log.data());
  glDeleteShader(shader);
  throw Error(std::string("the window's ") + (type == GL_VERTEX_SHADER ? "vertex" : "fragment") +
              " shader does not compile (OpenGL 3.3 core needed): " + log.data());
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
  std::array<char, 1024> log{};
  glGetProgramInfoLog(id_, log.size(), nullptr, log.data());
  glDeleteProgram(id_);
  throw Error(std::string("the window's shader program does not link: ") + log.data());
}

GlProgram::~GlProgram() { glDeleteProgram(id_); }

}  // namespace ursa::tk
