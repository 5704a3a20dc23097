// The lamp post that stands beside doors: an iron post with a glowing yellow lantern.
// It stands on y = 0 and is about 245 tall, taller than a door.
#include "tools/meshgen/models.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {

Model MakeLamp() {
  Mesh mesh("LampMesh");
  Material ironMaterial = Matte({0.20F, 0.27F, 0.24F, 1}, 0.35F);
  ironMaterial.power = 20;
  ironMaterial.specular = {0.35F, 0.4F, 0.38F};
  const int iron = mesh.AddMaterial(ironMaterial);
  Material glass;
  glass.face = {1.0F, 0.90F, 0.42F, 1};
  glass.power = 40;
  glass.specular = {1, 1, 0.8F};
  glass.emissive = {0.95F, 0.78F, 0.28F};  // the lantern is lit
  const int lantern = mesh.AddMaterial(glass);

  AddBevelBox(mesh, {-16, 0, -16}, {16, 10, 16}, 2.5F, iron);
  AddFrustum(mesh, {0, 10, 0}, {0, 32, 0}, 11, 6.5F, 8, iron);
  AddFrustum(mesh, {0, 32, 0}, {0, 200, 0}, 5, 4, 8, iron);
  AddFrustum(mesh, {0, 120, 0}, {0, 127, 0}, 7.5F, 7.5F, 8, iron);
  AddFrustum(mesh, {0, 192, 0}, {0, 200, 0}, 6, 13, 8, iron);
  AddBevelBox(mesh, {-14, 200, -14}, {14, 205, 14}, 1.5F, iron);
  AddBevelBox(mesh, {-10.5F, 205, -10.5F}, {10.5F, 229, 10.5F}, 1, lantern);
  for (float x : {-11.0F, 11.0F}) {
    for (float z : {-11.0F, 11.0F}) {
      AddBevelBox(mesh, {x - 1.6F, 205, z - 1.6F}, {x + 1.6F, 229, z + 1.6F}, 0.5F, iron);
    }
  }
  AddFrustum(mesh, {0, 229, 0}, {0, 241, 0}, 19, 3, 8, iron);
  AddEllipsoid(mesh, {0, 243.5F, 0}, {3.5F, 3.5F, 3.5F}, 6, 4, iron);
  return SingleMeshModel("Lamp", std::move(mesh));
}

}  // namespace ursa::meshgen
