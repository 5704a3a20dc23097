// The sphere test against the six planes of a viewport's frustum.
// Each side plane passes through the eye; its outward normal is (±scale, 0, -1), normalised.
#include "view/rm/frustum.hpp"

#include <cmath>

namespace ursa::rm {

bool Frustum::SphereOutside(Vec3 c, float radius) const {
  if (c.z + radius < front || c.z - radius > back) return true;
  const float normX = std::sqrt(scaleX * scaleX + 1.0F);
  const float normY = std::sqrt(scaleY * scaleY + 1.0F);
  if ((scaleX * c.x - c.z) / normX > radius || (-scaleX * c.x - c.z) / normX > radius) return true;
  if ((scaleY * c.y - c.z) / normY > radius || (-scaleY * c.y - c.z) / normY > radius) return true;
  return false;
}

}  // namespace ursa::rm
