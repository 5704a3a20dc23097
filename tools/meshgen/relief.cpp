// Bevelled relief tiles and the placements that put them on the sides of a solid.
// Insetting offsets each edge (not a scale toward the centre) so bevels are even.
#include "tools/meshgen/relief.hpp"

#include <array>
#include <numbers>
#include <vector>

namespace ursa::meshgen {

std::vector<Vec3> InsetPolygon(std::span<const Vec3> outline, float distance) {
  const size_t n = outline.size();
  float area2 = 0;
  for (size_t i = 0; i < n; ++i) {
    const Vec3 p = outline[i];
    const Vec3 q = outline[(i + 1) % n];
    area2 += p.x * q.y - q.x * p.y;
  }
  const float turn = area2 > 0 ? 1.0F : -1.0F;  // inward is to the left of a CCW edge
  std::vector<Vec3> result;
  for (size_t i = 0; i < n; ++i) {
    const Vec3 prev = outline[(i + n - 1) % n];
    const Vec3 p = outline[i];
    const Vec3 next = outline[(i + 1) % n];
    const Vec3 e1 = Normalize(p - prev);
    const Vec3 e2 = Normalize(next - p);
    const Vec3 n1{-e1.y * turn, e1.x * turn, 0};
    const Vec3 n2{-e2.y * turn, e2.x * turn, 0};
    const Vec3 sum = n1 + n2;
    const float denom = 1.0F + Dot(n1, n2);
    result.push_back(p + sum * (distance / denom));
  }
  return result;
}

void AddRelief(Mesh& mesh, std::span<const Vec3> outline, const ReliefStyle& style, int material,
               Rgba color, const Mat4& place) {
  const int first = mesh.VertexCount();
  Vec3 centre{0, 0, 0};
  for (const Vec3& p : outline) {
    centre = centre + Vec3{p.x, p.y, 0};
  }
  centre = centre * (1.0F / static_cast<float>(outline.size()));
  std::vector<Vec3> base;
  for (const Vec3& p : outline) {
    base.push_back({p.x, p.y, 0});
  }
  std::vector<Vec3> top = InsetPolygon(base, style.bevel);
  for (Vec3& p : top) {
    p.z = -style.height - (p.x - centre.x) * style.tilt.x - (p.y - centre.y) * style.tilt.y;
  }
  const Vec3 inside{centre.x, centre.y, 1000.0F};
  mesh.AddFace(top, material, color, inside);
  for (size_t i = 0; style.sides && i < base.size(); ++i) {
    const size_t j = (i + 1) % base.size();
    // A side face leans outward; its inside point lies toward the tile's own middle.
    const Vec3 mid = (base[i] + base[j]) * 0.5F;
    const std::array<Vec3, 4> side{base[i], base[j], top[j], top[i]};
    const Vec3 in = Lerp(mid, centre, 0.5F) + Vec3{0, 0, 1000.0F};
    mesh.AddFace(side, material, color, in);
  }
  mesh.Transform(first, place);
}

Mat4 FacingFront(float d) { return Mat4::Translation({0, 0, -d}); }

Mat4 FacingRight(float d) {
  return Then(Mat4::RotationY(-std::numbers::pi_v<float> / 2), Mat4::Translation({d, 0, 0}));
}

Mat4 FacingLeft(float d) {
  return Then(Mat4::RotationY(std::numbers::pi_v<float> / 2), Mat4::Translation({-d, 0, 0}));
}

Mat4 FacingUp(float d) {
  return Then(Mat4::RotationX(std::numbers::pi_v<float> / 2), Mat4::Translation({0, d, 0}));
}

Mat4 FacingDown(float d) {
  return Then(Mat4::RotationX(-std::numbers::pi_v<float> / 2), Mat4::Translation({0, -d, 0}));
}

}  // namespace ursa::meshgen
