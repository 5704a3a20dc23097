// GlContext: the display's OpenGL context as the renderer's objects share it, with the
// Gouraud shaders built once per context. Internal to the layer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "view/rm/platform.hpp"

namespace ursa::rm {

class GouraudShader;

class GlContext {
 public:
  explicit GlContext(Display& display);
  ~GlContext();
  GlContext(const GlContext&) = delete;
  GlContext& operator=(const GlContext&) = delete;

  // Makes the context current for an operation; throws Error when there is none or when it
  // is older than OpenGL 3.3.
  void Use(const std::string& operation);
  // For destructors, which must not throw: true when the context could be made current.
  bool TryUse();
  // Throws Error naming the operation when OpenGL has recorded an error since the last check.
  void Check(const std::string& operation);
  // The shader meshes are drawn with under lightCount directional lights (0..kMaxLights);
  // built on first use. The context must be current.
  GouraudShader& Shader(const std::string& operation, int lightCount);

 private:
  Display* display_;
  bool versionChecked_ = false;
  std::vector<std::unique_ptr<GouraudShader>> shaders_;
};

using GlContextPtr = std::shared_ptr<GlContext>;

}  // namespace ursa::rm
