// Cuts geometry to an axis-aligned rectangle in x-y, for tiles that must meet edge to edge,
// and convex outlines to a column (door planks cut to the arch).
#pragma once

#include "tools/meshgen/mesh.hpp"

namespace ursa::meshgen {

// Returns `mesh` with every triangle cut to lo.x <= x <= hi.x and lo.y <= y <= hi.y.
Mesh ClipToRectangle(const Mesh& mesh, Vec3 lo, Vec3 hi);

// Cuts a convex polygon in the x-y plane to x0 <= x <= x1 (z kept).
std::vector<Vec3> ClipToColumn(std::span<const Vec3> polygon, float x0, float x1);

}  // namespace ursa::meshgen
