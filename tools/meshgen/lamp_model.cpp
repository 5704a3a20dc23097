// The lamp post that stands beside doors: an iron post with a glowing yellow lantern.
// It stands on y = 0 and is about 245 tall, taller than a door.
#include "models.hpp"
#include "shapes.hpp"

namespace ursa::meshgen {

Model MakeLamp() {
  Mesh mesh("LampMesh");
  Material ironMaterial = Matte({0.20f, 0.27f, 0.24f, 1}, 0.35f);
  ironMaterial.power = 20;
  ironMaterial.specular = {0.35f, 0.4f, 0.38f};
  const int iron = mesh.AddMaterial(ironMaterial);
  Material glass;
  glass.face = {1.0f, 0.90f, 0.42f, 1};
  glass.power = 40;
  glass.specular = {1, 1, 0.8f};
  glass.emissive = {0.95f, 0.78f, 0.28f};  // the lantern is lit
  const int lantern = mesh.AddMaterial(glass);

  AddBevelBox(mesh, {-16, 0, -16}, {16, 10, 16}, 2.5f, iron);
  AddFrustum(mesh, {0, 10, 0}, {0, 32, 0}, 11, 6.5f, 8, iron);
  AddFrustum(mesh, {0, 32, 0}, {0, 200, 0}, 5, 4, 8, iron);
  AddFrustum(mesh, {0, 120, 0}, {0, 127, 0}, 7.5f, 7.5f, 8, iron);
  AddFrustum(mesh, {0, 192, 0}, {0, 200, 0}, 6, 13, 8, iron);
  AddBevelBox(mesh, {-14, 200, -14}, {14, 205, 14}, 1.5f, iron);
  AddBevelBox(mesh, {-10.5f, 205, -10.5f}, {10.5f, 229, 10.5f}, 1, lantern);
  for (float x : {-11.0f, 11.0f}) {
    for (float z : {-11.0f, 11.0f}) {
      AddBevelBox(mesh, {x - 1.6f, 205, z - 1.6f}, {x + 1.6f, 229, z + 1.6f}, 0.5f, iron);
    }
  }
  AddFrustum(mesh, {0, 229, 0}, {0, 241, 0}, 19, 3, 8, iron);
  AddEllipsoid(mesh, {0, 243.5f, 0}, {3.5f, 3.5f, 3.5f}, 6, 4, iron);
  return SingleMeshModel("Lamp", std::move(mesh));
}

}  // namespace ursa::meshgen
