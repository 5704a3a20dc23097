// The Gouraud program: per-vertex diffuse and specular lighting, colours interpolated.
// No light means black except for emissive colour, as nothing lights the scene by default.
#include "view/rm/gouraud_shader.hpp"

#include <epoxy/gl.h>

#include <array>
#include <string>

#include "view/rm/error.hpp"
#include "view/rm/live_objects.hpp"

namespace ursa::rm {
namespace {

// The number of lights is built into each program: a loop of known length runs much faster
// on a software rasteriser than one bounded by a uniform.
constexpr const char* kVertexSource = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec3 aColor;
uniform mat4 uViewProjection;
uniform mat4 uModel;
uniform mat3 uNormalMatrix;
uniform vec3 uEye;
uniform vec3 uAmbient;
uniform vec3 uLightDirection[8];
uniform vec3 uLightColor[8];
uniform vec3 uDiffuse;
uniform vec3 uSpecular;
uniform vec3 uEmissive;
uniform float uPower;
uniform bool uUseVertexColors;
out vec3 vColor;
void main() {
  vec4 world = uModel * vec4(aPosition, 1.0);
  gl_Position = uViewProjection * world;
  vec3 n = normalize(uNormalMatrix * aNormal);
  vec3 toEye = normalize(uEye - world.xyz);
  vec3 base = uUseVertexColors ? aColor : uDiffuse;
  vec3 color = uEmissive + uAmbient * base;
  for (int i = 0; i < LIGHT_COUNT; ++i) {
    vec3 toLight = -uLightDirection[i];
    float diffuse = max(dot(n, toLight), 0.0);
    color += uLightColor[i] * base * diffuse;
    if (uPower > 0.0 && diffuse > 0.0) {
      float highlight = max(dot(n, normalize(toLight + toEye)), 0.0);
      color += uLightColor[i] * uSpecular * pow(highlight, uPower);
    }
  }
  vColor = clamp(color, 0.0, 1.0);
}
)";

constexpr const char* kFragmentSource = R"(#version 330 core
in vec3 vColor;
out vec4 fragColor;
void main() { fragColor = vec4(vColor, 1.0); }
)";

GLuint Compile(GLenum stage, const char* source, const std::string& operation) {
  const GLuint shader = glCreateShader(stage);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    std::array<char, 1024> log{};
    glGetShaderInfoLog(shader, log.size(), nullptr, log.data());
    glDeleteShader(shader);
    throw Error(operation, std::string("shader compilation failed: ") + log.data());
  }
  return shader;
}

}  // namespace

GouraudShader::GouraudShader(const std::string& operation, int lightCount)
    : lightCount_(lightCount) {
  const std::string vertexSource =
      "#version 330 core\n#define LIGHT_COUNT " + std::to_string(lightCount) + "\n" + kVertexSource;
  const GLuint vs = Compile(GL_VERTEX_SHADER, vertexSource.c_str(), operation);
  GLuint fs = 0;
  try {
    fs = Compile(GL_FRAGMENT_SHADER, kFragmentSource, operation);
  } catch (...) {
    glDeleteShader(vs);
    throw;
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vs);
  glAttachShader(program_, fs);
  glLinkProgram(program_);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = GL_FALSE;
  glGetProgramiv(program_, GL_LINK_STATUS, &ok);
  if (ok != GL_TRUE) {
    std::array<char, 1024> log{};
    glGetProgramInfoLog(program_, log.size(), nullptr, log.data());
    glDeleteProgram(program_);
    throw Error(operation, std::string("shader link failed: ") + log.data());
  }
  live::Add(live::kGlProgram, 1);
  viewProjection_ = glGetUniformLocation(program_, "uViewProjection");
  eye_ = glGetUniformLocation(program_, "uEye");
  model_ = glGetUniformLocation(program_, "uModel");
  normalMatrix_ = glGetUniformLocation(program_, "uNormalMatrix");
  ambient_ = glGetUniformLocation(program_, "uAmbient");
  lightDirection_ = glGetUniformLocation(program_, "uLightDirection");
  lightColor_ = glGetUniformLocation(program_, "uLightColor");
  diffuse_ = glGetUniformLocation(program_, "uDiffuse");
  specular_ = glGetUniformLocation(program_, "uSpecular");
  emissive_ = glGetUniformLocation(program_, "uEmissive");
  power_ = glGetUniformLocation(program_, "uPower");
  useVertexColors_ = glGetUniformLocation(program_, "uUseVertexColors");
}

GouraudShader::~GouraudShader() {
  if (program_ == 0) return;
  live::Add(live::kGlProgram, -1);
  glDeleteProgram(program_);
}

void GouraudShader::Abandon() {
  if (program_ != 0) live::Add(live::kGlProgram, -1);
  program_ = 0;
}

void GouraudShader::Bind() const { glUseProgram(program_); }

void GouraudShader::SetCamera(const Mat4& viewProjection, Vec3 eye) const {
  glUniformMatrix4fv(viewProjection_, 1, GL_FALSE, viewProjection.m.data());
  glUniform3f(eye_, eye.x, eye.y, eye.z);
}

void GouraudShader::SetLights(const SceneLights& lights) const {
  glUniform3f(ambient_, lights.ambient.r, lights.ambient.g, lights.ambient.b);
  std::array<float, 3 * kMaxLights> directions{};
  std::array<float, 3 * kMaxLights> colors{};
  for (int i = 0; i < lightCount_; ++i) {
    directions[3 * i] = lights.direction[i].x;
    directions[3 * i + 1] = lights.direction[i].y;
    directions[3 * i + 2] = lights.direction[i].z;
    colors[3 * i] = lights.color[i].r;
    colors[3 * i + 1] = lights.color[i].g;
    colors[3 * i + 2] = lights.color[i].b;
  }
  glUniform3fv(lightDirection_, kMaxLights, directions.data());
  glUniform3fv(lightColor_, kMaxLights, colors.data());
}

void GouraudShader::SetModel(const Mat4& model) const {
  glUniformMatrix4fv(model_, 1, GL_FALSE, model.m.data());
  const Mat4 normalMatrix = NormalMatrix(model);
  std::array<float, 9> normal{};
  for (int c = 0; c < 3; ++c) {
    for (int r = 0; r < 3; ++r) normal[c * 3 + r] = normalMatrix(r, c);
  }
  glUniformMatrix3fv(normalMatrix_, 1, GL_FALSE, normal.data());
}

void GouraudShader::SetMaterial(const Material& material, bool useVertexColors) const {
  glUniform3f(diffuse_, material.diffuse.r, material.diffuse.g, material.diffuse.b);
  glUniform3f(specular_, material.specular.r, material.specular.g, material.specular.b);
  glUniform3f(emissive_, material.emissive.r, material.emissive.g, material.emissive.b);
  glUniform1f(power_, material.power);
  glUniform1i(useVertexColors_, useVertexColors ? 1 : 0);
}

}  // namespace ursa::rm
