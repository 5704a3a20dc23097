// Closed primitive solids added to a Mesh: bevelled boxes, ellipsoids, frustums, cones
// and extruded polygons, the building blocks of every model in the game.
#pragma once

#include <functional>
#include <span>

#include "tools/meshgen/mesh.hpp"

namespace ursa::meshgen {

// Picks a face's material from the face's centre (to paint bands such as a shirt).
using MaterialAt = std::function<int(Vec3 centre)>;

// Box from `lo` to `hi` with every edge chamfered by `bevel`; flat shaded.
void AddBevelBox(Mesh& mesh, Vec3 lo, Vec3 hi, float bevel, int material, Rgba color = {});

// Smooth ellipsoid with `slices` around y and `stacks` from pole to pole.
void AddEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int slices, int stacks,
                  const MaterialAt& material, Rgba color = {});
void AddEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int slices, int stacks, int material,
                  Rgba color = {});

// Smooth-sided frustum from `base` (radius rBase) to `top` (radius rTop); flat caps unless
// `capped` is false (for limbs whose ends hide inside other parts).
void AddFrustum(Mesh& mesh, Vec3 base, Vec3 top, float rBase, float rTop, int sides, int material,
                Rgba color = {}, bool capped = true);

// Faceted pointed cone from a base circle to `tip`, closed at its base.
void AddCone(Mesh& mesh, Vec3 base, Vec3 tip, float radius, int sides, int material,
             Rgba color = {});

// Convex polygon in the x-y plane extruded from z0 (front) to z1 (back); flat shaded.
void AddPrism(Mesh& mesh, std::span<const Vec3> outline, float z0, float z1, int material,
              Rgba color = {});

}  // namespace ursa::meshgen
