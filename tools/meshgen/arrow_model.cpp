// The sign near each stage's start: a wooden board shaped as an arrow pointing to +x,
// with a red arrow painted on it, on a post standing on y = 0.
#include <array>

#include "tools/meshgen/models.hpp"
#include "tools/meshgen/relief.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {

Model MakeArrowSign() {
  Mesh mesh("ArrowMesh");
  const int post = mesh.AddMaterial(Matte({0.45F, 0.28F, 0.15F, 1}, 0.3F));
  const int board = mesh.AddMaterial(Matte({0.86F, 0.66F, 0.40F, 1}, 0.3F));
  const int paint = mesh.AddMaterial(Matte({0.86F, 0.16F, 0.12F, 1}, 0.35F));
  const int grass = mesh.AddMaterial(Matte({0.36F, 0.62F, 0.22F, 1}, 0.3F));

  AddBevelBox(mesh, {-5, 0, -1}, {5, 80, 9}, 1.5F, post);
  constexpr float kFront = -5;
  constexpr float kBack = -1;
  const std::array<Vec3, 4> shaft{Vec3{-44, 62, 0}, Vec3{14, 62, 0}, Vec3{14, 92, 0},
                                  Vec3{-44, 92, 0}};
  const std::array<Vec3, 3> head{Vec3{14, 48, 0}, Vec3{48, 77, 0}, Vec3{14, 106, 0}};
  AddPrism(mesh, shaft, kFront, kBack, board);
  AddPrism(mesh, head, kFront, kBack, board);
  const std::array<Vec3, 4> paintShaft{Vec3{-36, 71, 0}, Vec3{12, 71, 0}, Vec3{12, 83, 0},
                                       Vec3{-36, 83, 0}};
  const std::array<Vec3, 3> paintHead{Vec3{10, 59, 0}, Vec3{37, 77, 0}, Vec3{10, 95, 0}};
  AddRelief(mesh, paintShaft, {1.2F, 0.8F, {}}, paint, {}, FacingFront(-kFront));
  AddRelief(mesh, paintHead, {1.2F, 0.8F, {}}, paint, {}, FacingFront(-kFront));
  // A tuft of grass at the foot of the post.
  for (float x : {-9.0F, -3.0F, 4.0F, 9.0F}) {
    AddCone(mesh, {x, 0, -6}, {x * 1.4F, 12 + (x > 0 ? 3.0F : 0.0F), -8}, 3.5F, 4, grass);
  }
  return SingleMeshModel("ArrowSign", std::move(mesh));
}

}  // namespace ursa::meshgen
