// The Gouraud program: per-vertex diffuse and specular lighting, colours interpolated.
// No light means black except for emissive colour, as nothing lights the scene by default.
#include "view/rm/gouraud_shader.hpp"

#include <array>
#include <string>

#include "gl/error.hpp"
#include "gl/gl_api.hpp"
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

// A program's uniforms start at 0, so a new program draws solid without being told.
constexpr const char* kFragmentSource = R"(#version 330 core
in vec3 vColor;
uniform float uTransparency;
out vec4 fragColor;
void main() { fragColor = vec4(vColor, 1.0 - uTransparency); }
)";

std::string VertexSource(int lightCount) {
  return "#version 330 core\n#define LIGHT_COUNT " + std::to_string(lightCount) + "\n" +
         kVertexSource;
}

gl::Program BuildProgram(const std::string& operation, int lightCount) {
  try {
    return {operation, VertexSource(lightCount).c_str(), kFragmentSource};
  } catch (const gl::Error& e) {
    throw Error(e.Operation(), e.Detail());
  }
}

}  // namespace

GouraudShader::GouraudShader(const std::string& operation, int lightCount)
    : lightCount_(lightCount), program_(BuildProgram(operation, lightCount)) {
  live::Add(live::kGlProgram, 1);
  viewProjection_ = program_.Uniform("uViewProjection");
  eye_ = program_.Uniform("uEye");
  model_ = program_.Uniform("uModel");
  normalMatrix_ = program_.Uniform("uNormalMatrix");
  ambient_ = program_.Uniform("uAmbient");
  lightDirection_ = program_.Uniform("uLightDirection");
  lightColor_ = program_.Uniform("uLightColor");
  diffuse_ = program_.Uniform("uDiffuse");
  specular_ = program_.Uniform("uSpecular");
  emissive_ = program_.Uniform("uEmissive");
  power_ = program_.Uniform("uPower");
  useVertexColors_ = program_.Uniform("uUseVertexColors");
  transparency_ = program_.Uniform("uTransparency");
}

GouraudShader::~GouraudShader() {
  if (program_.Name() != 0) live::Add(live::kGlProgram, -1);
}

void GouraudShader::Abandon() {
  if (program_.Name() != 0) live::Add(live::kGlProgram, -1);
  program_.Abandon();
}

void GouraudShader::Bind() const { glUseProgram(program_.Name()); }

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

void GouraudShader::SetOpacity(float opacity) {
  const float transparency = 1.0F - opacity;
  if (transparency == transparencySet_) return;
  glUniform1f(transparency_, transparency);
  transparencySet_ = transparency;
}

}  // namespace ursa::rm
