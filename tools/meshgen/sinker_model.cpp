// The sinking platform: a slim two-layer slab with a flat top at y = 140.
// It has exactly one material and no vertex colours, so a colour set on it replaces all of it.
#include "tools/meshgen/models.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {

Model MakeSinker() {
  Mesh mesh("SinkerMesh");
  Material m;
  m.face = {0.30F, 0.74F, 0.62F, 1};
  m.power = 16;
  m.specular = {0.25F, 0.25F, 0.25F};
  // A neutral glow keeps shaded sides readable whatever colour the slab is given.
  m.emissive = {0.13F, 0.13F, 0.13F};
  const int material = mesh.AddMaterial(m);
  AddBevelBox(mesh, {-50, 114, -50}, {50, 140, 50}, 5, material);
  AddBevelBox(mesh, {-40, 100, -40}, {40, 114, 40}, 4, material);
  return SingleMeshModel("Sinker", std::move(mesh));
}

}  // namespace ursa::meshgen
