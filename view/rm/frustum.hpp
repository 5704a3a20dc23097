// Frustum: the part of camera space a viewport sees, for skipping meshes that lie wholly
// outside it before their vertices are ever processed.
#pragma once

#include "view/rm/math.hpp"

namespace ursa::rm {

struct Frustum {
  float scaleX = 1.0F;  // x / z of the right edge is 1 / scaleX
  float scaleY = 1.0F;
  float front = 1.0F;
  float back = 100.0F;

  // True when a sphere (centre in camera space) lies entirely outside; spheres that merely
  // touch the frustum count as inside.
  bool SphereOutside(Vec3 centre, float radius) const;
};

}  // namespace ursa::rm
