// Triangle and face assembly for the generated meshes.
// Orientation is fixed here once, so the shapes never have to think about winding.
#include "tools/meshgen/mesh.hpp"

namespace ursa::meshgen {

Material Matte(Rgba color, float glow) {
  Material m;
  m.face = color;
  m.power = 10;
  m.specular = {0.05F, 0.05F, 0.05F};
  m.emissive = {color.r * glow, color.g * glow, color.b * glow};
  return m;
}

Material VertexColored(Vec3 emissive) {
  Material m;
  m.face = {1, 1, 1, 1};
  m.power = 0;
  m.specular = {0, 0, 0};
  m.emissive = emissive;
  return m;
}

int Mesh::AddMaterial(const Material& material) {
  materials_.push_back(material);
  return static_cast<int>(materials_.size()) - 1;
}

int Mesh::AddVertex(const Vertex& vertex) {
  vertices_.push_back(vertex);
  return static_cast<int>(vertices_.size()) - 1;
}

void Mesh::AddTriangle(int a, int b, int c, int material, Vec3 outward) {
  const Vec3 pa = vertices_[a].position;
  const Vec3 n = Cross(vertices_[b].position - pa, vertices_[c].position - pa);
  if (Dot(n, outward) < 0) {
    std::swap(b, c);
  }
  triangles_.push_back({a, b, c, material});
}

void Mesh::AddFace(std::span<const Vec3> corners, int material, Rgba color, Vec3 inside) {
  // Newell's normal is robust for slightly non-planar quads.
  Vec3 n{0, 0, 0};
  Vec3 centre{0, 0, 0};
  for (size_t i = 0; i < corners.size(); ++i) {
    const Vec3 p = corners[i];
    const Vec3 q = corners[(i + 1) % corners.size()];
    n.x += (p.y - q.y) * (p.z + q.z);
    n.y += (p.z - q.z) * (p.x + q.x);
    n.z += (p.x - q.x) * (p.y + q.y);
    centre = centre + p;
  }
  centre = centre * (1.0F / static_cast<float>(corners.size()));
  n = Normalize(n);
  if (Dot(n, centre - inside) < 0) {
    n = n * -1.0F;
  }
  const int first = VertexCount();
  for (const Vec3& p : corners) {
    AddVertex({p, n, color});
  }
  for (int i = 1; i + 1 < static_cast<int>(corners.size()); ++i) {
    AddTriangle(first, first + i, first + i + 1, material, n);
  }
}

void Mesh::Transform(int first, const Mat4& transform) {
  for (size_t i = static_cast<size_t>(first); i < vertices_.size(); ++i) {
    vertices_[i].position = transform.TransformPoint(vertices_[i].position);
    vertices_[i].normal = Normalize(transform.TransformDirection(vertices_[i].normal));
  }
}

void Mesh::PruneMaterials() {
  std::vector<int> remap(materials_.size(), -1);
  std::vector<Material> kept;
  for (Triangle& t : triangles_) {
    int& slot = remap[static_cast<size_t>(t.material)];
    if (slot < 0) {
      slot = static_cast<int>(kept.size());
      kept.push_back(materials_[static_cast<size_t>(t.material)]);
    }
    t.material = slot;
  }
  materials_ = std::move(kept);
}

}  // namespace ursa::meshgen
