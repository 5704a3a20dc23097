// Primitive solids for the mesh generator.
// Each solid is convex, so faces are oriented away from the solid's own centre.
#include "tools/meshgen/shapes.hpp"

#include <array>
#include <numbers>
#include <vector>

namespace ursa::meshgen {
namespace {

constexpr float kTau = 2.0F * std::numbers::pi_v<float>;

float Axis(Vec3 v, int a) { return a == 0 ? v.x : (a == 1 ? v.y : v.z); }
void SetAxis(Vec3& v, int a, float value) { (a == 0 ? v.x : (a == 1 ? v.y : v.z)) = value; }

// Two unit vectors perpendicular to `axis` and to each other.
void Basis(Vec3 axis, Vec3& u, Vec3& v) {
  const Vec3 helper = std::abs(axis.y) < 0.9F ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
  u = Normalize(Cross(helper, axis));
  v = Cross(axis, u);
}

}  // namespace

void AddBevelBox(Mesh& mesh, Vec3 lo, Vec3 hi, float bevel, int material, Rgba color) {
  const Vec3 centre = (lo + hi) * 0.5F;
  // The point of corner (sx, sy, sz) that lies on the face across axis `a`.
  auto corner = [&](std::array<int, 3> s, int a) {
    Vec3 p;
    for (int k = 0; k < 3; ++k) {
      const float outer = s[k] > 0 ? Axis(hi, k) : Axis(lo, k);
      SetAxis(p, k, k == a ? outer : outer - static_cast<float>(s[k]) * bevel);
    }
    return p;
  };
  for (int a = 0; a < 3; ++a) {
    const int b = (a + 1) % 3;
    const int c = (a + 2) % 3;
    for (int sa : {-1, 1}) {
      std::array<Vec3, 4> quad;
      const int order[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
      for (int i = 0; i < 4; ++i) {
        std::array<int, 3> s{};
        s[a] = sa;
        s[b] = order[i][0];
        s[c] = order[i][1];
        quad[i] = corner(s, a);
      }
      mesh.AddFace(quad, material, color, centre);
    }
  }
  if (bevel <= 0) {
    return;
  }
  for (int a = 0; a < 3; ++a) {
    const int b = (a + 1) % 3;
    const int c = (a + 2) % 3;
    for (int sa : {-1, 1}) {
      for (int sb : {-1, 1}) {
        std::array<int, 3> s1{};
        std::array<int, 3> s2{};
        s1[a] = s2[a] = sa;
        s1[b] = s2[b] = sb;
        s1[c] = -1;
        s2[c] = 1;
        const std::array<Vec3, 4> quad{corner(s1, a), corner(s2, a), corner(s2, b), corner(s1, b)};
        mesh.AddFace(quad, material, color, centre);
      }
    }
  }
  for (int sx : {-1, 1}) {
    for (int sy : {-1, 1}) {
      for (int sz : {-1, 1}) {
        const std::array<int, 3> s{sx, sy, sz};
        const std::array<Vec3, 3> tri{corner(s, 0), corner(s, 1), corner(s, 2)};
        mesh.AddFace(tri, material, color, centre);
      }
    }
  }
}

void AddEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int slices, int stacks,
                  const MaterialAt& material, Rgba color) {
  const int first = mesh.VertexCount();
  for (int j = 0; j <= stacks; ++j) {
    const float theta =
        std::numbers::pi_v<float> * static_cast<float>(j) / static_cast<float>(stacks);
    for (int i = 0; i < slices; ++i) {
      const float phi = kTau * static_cast<float>(i) / static_cast<float>(slices);
      const Vec3 unit{std::sin(theta) * std::sin(phi), std::cos(theta),
                      std::sin(theta) * std::cos(phi)};
      const Vec3 p{centre.x + unit.x * radii.x, centre.y + unit.y * radii.y,
                   centre.z + unit.z * radii.z};
      const Vec3 n = Normalize({unit.x / radii.x, unit.y / radii.y, unit.z / radii.z});
      mesh.AddVertex({p, n, color});
      if (j == 0 || j == stacks) {
        break;  // one vertex per pole
      }
    }
  }
  auto index = [&](int j, int i) {
    if (j == 0) {
      return first;
    }
    if (j == stacks) {
      return first + 1 + (stacks - 1) * slices;
    }
    return first + 1 + (j - 1) * slices + (i % slices);
  };
  auto add = [&](int a, int b, int c) {
    const Vec3 mid =
        (mesh.Vertices()[a].position + mesh.Vertices()[b].position + mesh.Vertices()[c].position) *
        (1.0F / 3.0F);
    mesh.AddTriangle(a, b, c, material(mid), mid - centre);
  };
  for (int j = 0; j < stacks; ++j) {
    for (int i = 0; i < slices; ++i) {
      const int a = index(j, i);
      const int b = index(j, i + 1);
      const int c = index(j + 1, i);
      const int d = index(j + 1, i + 1);
      if (j == 0) {
        add(a, c, d);
      } else if (j == stacks - 1) {
        add(a, b, c);
      } else {
        add(a, b, d);
        add(a, d, c);
      }
    }
  }
}

void AddEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int slices, int stacks, int material,
                  Rgba color) {
  AddEllipsoid(
      mesh, centre, radii, slices, stacks, [material](Vec3) { return material; }, color);
}

void AddFrustum(Mesh& mesh, Vec3 base, Vec3 top, float rBase, float rTop, int sides, int material,
                Rgba color, bool capped) {
  const Vec3 axis = Normalize(top - base);
  const float height = Length(top - base);
  Vec3 u;
  Vec3 v;
  Basis(axis, u, v);
  const int first = mesh.VertexCount();
  const float slope = (rBase - rTop) / height;
  std::vector<Vec3> baseRing;
  std::vector<Vec3> topRing;
  for (int i = 0; i < sides; ++i) {
    const float a = kTau * static_cast<float>(i) / static_cast<float>(sides);
    const Vec3 radial = u * std::cos(a) + v * std::sin(a);
    const Vec3 n = Normalize(radial + axis * slope);
    baseRing.push_back(base + radial * rBase);
    topRing.push_back(top + radial * rTop);
    mesh.AddVertex({baseRing.back(), n, color});
    mesh.AddVertex({topRing.back(), n, color});
  }
  for (int i = 0; i < sides; ++i) {
    const int j = (i + 1) % sides;
    const int b0 = first + 2 * i;
    const int t0 = b0 + 1;
    const int b1 = first + 2 * j;
    const int t1 = b1 + 1;
    const Vec3 out = (mesh.Vertices()[b0].normal + mesh.Vertices()[b1].normal) * 0.5F;
    mesh.AddTriangle(b0, t0, t1, material, out);
    mesh.AddTriangle(b0, t1, b1, material, out);
  }
  if (!capped) {
    return;
  }
  const Vec3 middle = (base + top) * 0.5F;
  if (rBase > 0) {
    mesh.AddFace(baseRing, material, color, middle);
  }
  if (rTop > 0) {
    mesh.AddFace(topRing, material, color, middle);
  }
}

void AddCone(Mesh& mesh, Vec3 base, Vec3 tip, float radius, int sides, int material, Rgba color) {
  Vec3 u;
  Vec3 v;
  Basis(Normalize(tip - base), u, v);
  std::vector<Vec3> ring;
  for (int i = 0; i < sides; ++i) {
    const float a = kTau * static_cast<float>(i) / static_cast<float>(sides);
    ring.push_back(base + (u * std::cos(a) + v * std::sin(a)) * radius);
  }
  const Vec3 inside = Lerp(base, tip, 0.25F);
  for (int i = 0; i < sides; ++i) {
    const std::array<Vec3, 3> tri{ring[i], ring[(i + 1) % sides], tip};
    mesh.AddFace(tri, material, color, inside);
  }
  mesh.AddFace(ring, material, color, inside);
}

void AddPrism(Mesh& mesh, std::span<const Vec3> outline, float z0, float z1, int material,
              Rgba color) {
  Vec3 centre{0, 0, 0};
  for (const Vec3& p : outline) {
    centre = centre + p;
  }
  centre = centre * (1.0F / static_cast<float>(outline.size()));
  centre.z = (z0 + z1) * 0.5F;
  std::vector<Vec3> front;
  std::vector<Vec3> back;
  for (const Vec3& p : outline) {
    front.push_back({p.x, p.y, z0});
    back.push_back({p.x, p.y, z1});
  }
  mesh.AddFace(front, material, color, centre);
  mesh.AddFace(back, material, color, centre);
  for (size_t i = 0; i < outline.size(); ++i) {
    const size_t j = (i + 1) % outline.size();
    const std::array<Vec3, 4> side{front[i], front[j], back[j], back[i]};
    mesh.AddFace(side, material, color, centre);
  }
}

}  // namespace ursa::meshgen
