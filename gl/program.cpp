// Shader compiling and linking, the one way both the window and the renderer build programs.
// A failure names the shader stage and carries the driver's log; nothing is left behind.
#include "gl/program.hpp"

#include <array>
#include <string>
#include <string_view>

#include "gl/error.hpp"
#include "gl/gl_api.hpp"

namespace ursa::gl {
namespace {

#ifdef __EMSCRIPTEN__
// The game's shaders are GLSL 3.30; the same text compiles as GLSL ES 3.00 in the browser once
// its version line is swapped for ES's and full precision is asked for, as the desktop has.
std::string ForThisGl(const char* source) {
  constexpr std::string_view kDesktop = "#version 330 core\n";
  std::string text = source;
  if (text.starts_with(kDesktop)) {
    text.replace(0, kDesktop.size(),
                 "#version 300 es\nprecision highp float;\nprecision highp int;\n"
                 "precision highp sampler2D;\n");
  }
  return text;
}
#else
std::string ForThisGl(const char* source) { return source; }
#endif

GLuint Compile(GLenum stage, const char* given, const std::string& operation) {
  const std::string text = ForThisGl(given);
  const char* source = text.c_str();
  const GLuint shader = glCreateShader(stage);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok == GL_TRUE) return shader;
  std::array<char, 1024> log{};
  glGetShaderInfoLog(shader, log.size(), nullptr, log.data());
  glDeleteShader(shader);
  throw Error(operation, std::string("the ") + (stage == GL_VERTEX_SHADER ? "vertex" : "fragment") +
                             " shader does not compile: " + log.data());
}

}  // namespace

Program::Program(const std::string& operation, const char* vertexSource,
                 const char* fragmentSource) {
  const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource, operation);
  GLuint fragment = 0;
  try {
    fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource, operation);
  } catch (...) {
    glDeleteShader(vertex);
    throw;
  }
  const GLuint program = glCreateProgram();
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  glLinkProgram(program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &ok);
  if (ok != GL_TRUE) {
    std::array<char, 1024> log{};
    glGetProgramInfoLog(program, log.size(), nullptr, log.data());
    glDeleteProgram(program);
    throw Error(operation, std::string("the shader program does not link: ") + log.data());
  }
  name_ = program;
}

Program::~Program() {
  if (name_ != 0) glDeleteProgram(name_);
}

int Program::Uniform(const char* name) const { return glGetUniformLocation(name_, name); }

}  // namespace ursa::gl
