// An indexed triangle mesh with per-face materials and optional per-vertex colours,
// the in-memory form of one Mesh block of a mesh file.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "tools/meshgen/vec.hpp"

namespace ursa::meshgen {

struct Material {
  Rgba face;
  float power = 8;
  Vec3 specular{0, 0, 0};
  Vec3 emissive{0, 0, 0};
};

// A material whose unlit sides keep `glow` of its colour, so shadowed faces are not black
// under the game's single light.
Material Matte(Rgba color, float glow = 0.3F);

// A material for meshes whose colours come from their vertices: white, so the vertex colours
// show as they are, and without highlights, which per-vertex lighting would smear across
// large flat faces. Only the glow is its own.
Material VertexColored(Vec3 emissive);

struct Vertex {
  Vec3 position;
  Vec3 normal;
  Rgba color;
};

struct Triangle {
  int a = 0, b = 0, c = 0;
  int material = 0;
};

// Front faces are wound clockwise seen from the front (left-handed space), which makes
// Cross(b - a, c - a) point out of the surface; every Add* below keeps that rule.
class Mesh {
 public:
  explicit Mesh(std::string name, bool vertexColors = false)
      : name_(std::move(name)), vertexColors_(vertexColors) {}

  int AddMaterial(const Material& material);
  int AddVertex(const Vertex& vertex);
  // Adds the triangle, reordered if needed so that it faces along `outward`.
  void AddTriangle(int a, int b, int c, int material, Vec3 outward);
  // A flat convex polygon facing away from `inside` (a point behind its front side).
  void AddFace(std::span<const Vec3> corners, int material, Rgba color, Vec3 inside);
  // Moves everything added from vertex `first` on by `transform`.
  void Transform(int first, const Mat4& transform);
  // Drops materials that no triangle uses, renumbering the rest.
  void PruneMaterials();

  const std::string& Name() const { return name_; }
  bool VertexColors() const { return vertexColors_; }
  const std::vector<Vertex>& Vertices() const { return vertices_; }
  const std::vector<Triangle>& Triangles() const { return triangles_; }
  const std::vector<Material>& Materials() const { return materials_; }
  int VertexCount() const { return static_cast<int>(vertices_.size()); }

 private:
  std::string name_;
  bool vertexColors_;
  std::vector<Vertex> vertices_;
  std::vector<Triangle> triangles_;
  std::vector<Material> materials_;
};

}  // namespace ursa::meshgen
