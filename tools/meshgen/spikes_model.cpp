// The spike hazard: an iron bar bristling with steel spikes on every side.
// Its tips trace the zone in which the bear gets hurt: x -55..55, y -45..5 around the origin.
#include <array>

#include "models.hpp"
#include "shapes.hpp"

namespace ursa::meshgen {

Model MakeSpikes() {
  Mesh mesh("SpikesMesh");
  Material iron = Matte({0.48f, 0.12f, 0.14f, 1}, 0.3f);
  iron.specular = {0.3f, 0.3f, 0.3f};
  Material steel;
  steel.face = {0.86f, 0.88f, 0.92f, 1};
  steel.power = 30;
  steel.specular = {0.9f, 0.9f, 0.9f};
  steel.emissive = {0.28f, 0.29f, 0.32f};
  const int bar = mesh.AddMaterial(iron);
  const int spike = mesh.AddMaterial(steel);

  AddBevelBox(mesh, {-44, -31, -16}, {44, -9, 16}, 4, bar);
  constexpr std::array<float, 4> xs{-33, -11, 11, 33};
  for (float x : xs) {
    AddCone(mesh, {x, -11, 0}, {x, 5, 0}, 9.5f, 6, spike);
    AddCone(mesh, {x, -29, 0}, {x, -45, 0}, 9.5f, 6, spike);
  }
  for (float side : {-1.0f, 1.0f}) {
    AddCone(mesh, {42 * side, -20, 0}, {55 * side, -20, 0}, 8.5f, 6, spike);
  }
  // Short spikes toward the viewer make the bar read as spiky from the front too.
  for (float x : {-22.0f, 0.0f, 22.0f}) {
    AddCone(mesh, {x, -20, -14}, {x, -20, -26}, 6, 6, spike);
  }
  return SingleMeshModel("Spikes", std::move(mesh));
}

}  // namespace ursa::meshgen
