// Light: a coloured light a frame carries. A directional light shines along its frame's +z;
// an ambient light lights every face evenly. The scene has no light it is not given.
#pragma once

#include "view/rm/mesh_part.hpp"

namespace ursa::rm {

enum class LightType { kAmbient = 0, kDirectional = 3 };

class Light {
 public:
  Light(LightType type, Color color);
  ~Light();
  Light(const Light&) = delete;
  Light& operator=(const Light&) = delete;

  LightType Type() const { return type_; }
  Color GetColor() const { return color_; }
  void SetColorRGB(float r, float g, float b);

 private:
  LightType type_;
  Color color_;
};

}  // namespace ursa::rm
