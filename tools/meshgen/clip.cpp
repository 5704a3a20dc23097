// Sutherland-Hodgman clipping of triangles and convex outlines against axis-aligned lines.
// Clipping keeps vertex order, so faces keep their winding.
#include "tools/meshgen/clip.hpp"

#include <span>
#include <vector>

namespace ursa::meshgen {
namespace {

float Coord(const Vec3& p, int axis) { return axis == 0 ? p.x : p.y; }

Vertex Between(const Vertex& a, const Vertex& b, float t) {
  return {Lerp(a.position, b.position, t), Normalize(Lerp(a.normal, b.normal, t)),
          Mix(a.color, b.color, t)};
}

// Keeps the part where sign * (coordinate - limit) <= 0.
template <typename T, typename PositionOf>
std::vector<T> ClipAgainst(const std::vector<T>& in, int axis, float limit, float sign,
                           PositionOf position, T (*between)(const T&, const T&, float)) {
  std::vector<T> out;
  for (size_t i = 0; i < in.size(); ++i) {
    const T& a = in[i];
    const T& b = in[(i + 1) % in.size()];
    const float da = sign * (Coord(position(a), axis) - limit);
    const float db = sign * (Coord(position(b), axis) - limit);
    if (da <= 0) {
      out.push_back(a);
    }
    if ((da < 0 && db > 0) || (da > 0 && db < 0)) {
      out.push_back(between(a, b, da / (da - db)));
    }
  }
  return out;
}

Vec3 PointBetween(const Vec3& a, const Vec3& b, float t) { return Lerp(a, b, t); }

}  // namespace

Mesh ClipToRectangle(const Mesh& mesh, Vec3 lo, Vec3 hi) {
  Mesh result(mesh.Name(), mesh.VertexColors());
  for (const Material& m : mesh.Materials()) {
    result.AddMaterial(m);
  }
  const auto& v = mesh.Vertices();
  auto position = [](const Vertex& x) { return x.position; };
  for (const Triangle& t : mesh.Triangles()) {
    std::vector<Vertex> poly{v[t.a], v[t.b], v[t.c]};
    poly = ClipAgainst(poly, 0, lo.x, -1.0F, position, Between);
    poly = ClipAgainst(poly, 0, hi.x, 1.0F, position, Between);
    poly = ClipAgainst(poly, 1, lo.y, -1.0F, position, Between);
    poly = ClipAgainst(poly, 1, hi.y, 1.0F, position, Between);
    if (poly.size() < 3) {
      continue;
    }
    const Vec3 outward =
        Cross(v[t.b].position - v[t.a].position, v[t.c].position - v[t.a].position);
    const int first = result.VertexCount();
    for (const Vertex& p : poly) {
      result.AddVertex(p);
    }
    for (int i = 1; i + 1 < static_cast<int>(poly.size()); ++i) {
      result.AddTriangle(first, first + i, first + i + 1, t.material, outward);
    }
  }
  return result;
}

std::vector<Vec3> ClipToColumn(std::span<const Vec3> polygon, float x0, float x1) {
  std::vector<Vec3> poly(polygon.begin(), polygon.end());
  auto position = [](const Vec3& p) { return p; };
  poly = ClipAgainst(poly, 0, x0, -1.0F, position, PointBetween);
  poly = ClipAgainst(poly, 0, x1, 1.0F, position, PointBetween);
  return poly;
}

}  // namespace ursa::meshgen
