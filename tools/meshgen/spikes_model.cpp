// The spike hazard: an iron bar bristling with steel spikes on every side.
// Its tips trace the zone in which the bear gets hurt: x -55..55, y -45..5 around the origin.
#include <array>

#include "tools/meshgen/models.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {

Model MakeSpikes() {
  Mesh mesh("SpikesMesh");
  Material iron = Matte({0.48F, 0.12F, 0.14F, 1}, 0.3F);
  iron.specular = {0.3F, 0.3F, 0.3F};
  Material steel;
  steel.face = {0.86F, 0.88F, 0.92F, 1};
  steel.power = 30;
  steel.specular = {0.9F, 0.9F, 0.9F};
  steel.emissive = {0.28F, 0.29F, 0.32F};
  const int bar = mesh.AddMaterial(iron);
  const int spike = mesh.AddMaterial(steel);

  AddBevelBox(mesh, {-44, -31, -16}, {44, -9, 16}, 4, bar);
  constexpr std::array<float, 4> kToothXs{-33, -11, 11, 33};
  for (float x : kToothXs) {
    AddCone(mesh, {x, -11, 0}, {x, 5, 0}, 9.5F, 6, spike);
    AddCone(mesh, {x, -29, 0}, {x, -45, 0}, 9.5F, 6, spike);
  }
  for (float side : {-1.0F, 1.0F}) {
    AddCone(mesh, {42 * side, -20, 0}, {55 * side, -20, 0}, 8.5F, 6, spike);
  }
  // Short spikes toward the viewer make the bar read as spiky from the front too.
  for (float x : {-22.0F, 0.0F, 22.0F}) {
    AddCone(mesh, {x, -20, -14}, {x, -20, -26}, 6, 6, spike);
  }
  return SingleMeshModel("Spikes", std::move(mesh));
}

}  // namespace ursa::meshgen
