// GouraudShader: the OpenGL program meshes are drawn with, one per number of directional
// lights (up to kMaxLights). Lighting is computed per vertex (Gouraud), plus an ambient term.
#pragma once

#include <string>

#include "gl/program.hpp"
#include "view/rm/math.hpp"
#include "view/rm/mesh_part.hpp"

namespace ursa::rm {

inline constexpr int kMaxLights = 8;

struct SceneLights {
  Color ambient;
  int count = 0;
  Vec3 direction[kMaxLights];  // the way each light travels, in world space
  Color color[kMaxLights];
};

class GouraudShader {
 public:
  // Compiles and links the program for lightCount directional lights; the context must be
  // current. Throws Error naming the operation.
  GouraudShader(const std::string& operation, int lightCount);
  ~GouraudShader();
  GouraudShader(const GouraudShader&) = delete;
  GouraudShader& operator=(const GouraudShader&) = delete;

  // Forgets the program without deleting it (its context is gone).
  void Abandon();

  void Bind() const;
  void SetCamera(const Mat4& viewProjection, Vec3 eye) const;
  // Sets the ambient colour and the first LightCount() directional lights.
  void SetLights(const SceneLights& lights) const;
  int LightCount() const { return lightCount_; }
  void SetModel(const Mat4& model) const;
  void SetMaterial(const Material& material, bool useVertexColors) const;
  // The alpha the meshes drawn next give their colour (1: solid). Told OpenGL only when it
  // changes, so a scene without translucent meshes never sets it.
  void SetOpacity(float opacity);

 private:
  int lightCount_;
  gl::Program program_;
  int viewProjection_ = -1, eye_ = -1, model_ = -1, normalMatrix_ = -1;
  int ambient_ = -1, lightDirection_ = -1, lightColor_ = -1;
  int diffuse_ = -1, specular_ = -1, emissive_ = -1, power_ = -1, useVertexColors_ = -1;
  int transparency_ = -1;
  float transparencySet_ = 0.0F;  // what the program holds: 1 - opacity
};

}  // namespace ursa::rm
