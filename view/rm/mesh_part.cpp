// Moving a mesh part into another space, for meshes flattened out of a frame hierarchy.
// Normals go through the normal matrix so that scaled frames keep them perpendicular.
#include "view/rm/mesh_part.hpp"

#include <cstddef>
#include <utility>

namespace ursa::rm {

MeshPart Transformed(const MeshPart& part, const Mat4& transform) {
  MeshPart out = part;
  const Mat4 normalMatrix = NormalMatrix(transform);
  for (Vertex& v : out.vertices) {
    v.position = TransformPoint(transform, v.position);
    v.normal = Normalize(TransformDirection(normalMatrix, v.normal));
  }
  if (Determinant3(transform) < 0.0F) {
    for (std::size_t i = 0; i + 2 < out.indices.size(); i += 3) {
      std::swap(out.indices[i], out.indices[i + 2]);
    }
  }
  return out;
}

}  // namespace ursa::rm
