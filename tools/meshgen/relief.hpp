// Raised tiles on a surface: bricks, stones, rivets and painted marks.
// A tile is a convex outline on a base plane with a bevelled top lifted toward the viewer.
#pragma once

#include <span>

#include "tools/meshgen/mesh.hpp"

namespace ursa::meshgen {

struct ReliefStyle {
  float height = 3;    // how far the top stands out of the base plane
  float bevel = 3;     // how far the top's edge is drawn in from the outline
  Vec3 tilt{0, 0, 0};  // per-unit x / y slope added to the top (stone faces that lean)
  bool sides = true;   // false: only the top, a flat tile standing off its base (cheaper)
};

// `outline` is a convex polygon in the local x-y plane (z ignored); the base plane is
// local z = 0 and the tile rises toward local -z. `place` moves the finished tile onto its
// surface (a rigid transform). The tile has no back: it sits on a solid.
void AddRelief(Mesh& mesh, std::span<const Vec3> outline, const ReliefStyle& style, int material,
               Rgba color, const Mat4& place);

// Moves a convex outline's edges inward by `distance`.
std::vector<Vec3> InsetPolygon(std::span<const Vec3> outline, float distance);

// Placements that turn a tile's local -z toward each side of an axis-aligned solid whose
// surface lies at distance `d` from the origin.
Mat4 FacingFront(float d);  // toward -z
Mat4 FacingRight(float d);  // toward +x
Mat4 FacingLeft(float d);   // toward -x
Mat4 FacingUp(float d);     // toward +y
Mat4 FacingDown(float d);   // toward -y

}  // namespace ursa::meshgen
