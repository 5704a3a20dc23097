// The sinking platform: a slim two-layer slab with a flat top at y = 140.
// It has exactly one material and no vertex colours, so a colour set on it replaces all of it.
#include "models.hpp"
#include "shapes.hpp"

namespace ursa::meshgen {

Model MakeSinker() {
  Mesh mesh("SinkerMesh");
  Material m;
  m.face = {0.30f, 0.74f, 0.62f, 1};
  m.power = 16;
  m.specular = {0.25f, 0.25f, 0.25f};
  // A neutral glow keeps shaded sides readable whatever colour the slab is given.
  m.emissive = {0.13f, 0.13f, 0.13f};
  const int material = mesh.AddMaterial(m);
  AddBevelBox(mesh, {-50, 114, -50}, {50, 140, 50}, 5, material);
  AddBevelBox(mesh, {-40, 100, -40}, {40, 114, 40}, 4, material);
  return SingleMeshModel("Sinker", std::move(mesh));
}

}  // namespace ursa::meshgen
