// MeshPart: the triangles of a mesh that share one material, as the renderer keeps them:
// left-handed positions, outward normals, front faces clockwise as seen by the viewer.
#pragma once

#include <cstdint>
#include <vector>

#include "view/rm/math.hpp"

namespace ursa::rm {

struct Color {
  float r = 0.0F;
  float g = 0.0F;
  float b = 0.0F;
  bool operator==(const Color&) const = default;
};

struct Material {
  Color diffuse{1.0F, 1.0F, 1.0F};
  float power = 0.0F;  // specular exponent; 0 means no highlight
  Color specular;
  Color emissive;
};

struct Vertex {
  Vec3 position;
  Vec3 normal;
  Color color;  // used only when the part has vertex colours
};

struct MeshPart {
  std::vector<Vertex> vertices;
  std::vector<uint32_t> indices;  // three per triangle
  Material material;
  bool hasVertexColors = false;
};

// The part moved by a transform: positions and normals carried along, and the winding turned
// round when the transform mirrors, so the front faces stay in front.
MeshPart Transformed(const MeshPart& part, const Mat4& transform);

}  // namespace ursa::rm
