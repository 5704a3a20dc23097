// The sign near each stage's start: a wooden board shaped as an arrow pointing to +x,
// with a red arrow painted on it, on a post standing on y = 0.
#include <array>

#include "models.hpp"
#include "relief.hpp"
#include "shapes.hpp"

namespace ursa::meshgen {

Model MakeArrowSign() {
  Mesh mesh("ArrowMesh");
  const int post = mesh.AddMaterial(Matte({0.45f, 0.28f, 0.15f, 1}, 0.3f));
  const int board = mesh.AddMaterial(Matte({0.86f, 0.66f, 0.40f, 1}, 0.3f));
  const int paint = mesh.AddMaterial(Matte({0.86f, 0.16f, 0.12f, 1}, 0.35f));
  const int grass = mesh.AddMaterial(Matte({0.36f, 0.62f, 0.22f, 1}, 0.3f));

  AddBevelBox(mesh, {-5, 0, -1}, {5, 80, 9}, 1.5f, post);
  constexpr float kFront = -5, kBack = -1;
  const std::array<Vec3, 4> shaft{Vec3{-44, 62, 0}, Vec3{14, 62, 0}, Vec3{14, 92, 0},
                                  Vec3{-44, 92, 0}};
  const std::array<Vec3, 3> head{Vec3{14, 48, 0}, Vec3{48, 77, 0}, Vec3{14, 106, 0}};
  AddPrism(mesh, shaft, kFront, kBack, board);
  AddPrism(mesh, head, kFront, kBack, board);
  const std::array<Vec3, 4> paintShaft{Vec3{-36, 71, 0}, Vec3{12, 71, 0}, Vec3{12, 83, 0},
                                       Vec3{-36, 83, 0}};
  const std::array<Vec3, 3> paintHead{Vec3{10, 59, 0}, Vec3{37, 77, 0}, Vec3{10, 95, 0}};
  AddRelief(mesh, paintShaft, {1.2f, 0.8f, {}}, paint, {}, FacingFront(-kFront));
  AddRelief(mesh, paintHead, {1.2f, 0.8f, {}}, paint, {}, FacingFront(-kFront));
  // A tuft of grass at the foot of the post.
  for (float x : {-9.0f, -3.0f, 4.0f, 9.0f}) {
    AddCone(mesh, {x, 0, -6}, {x * 1.4f, 12 + (x > 0 ? 3.0f : 0.0f), -8}, 3.5f, 4, grass);
  }
  return SingleMeshModel("ArrowSign", std::move(mesh));
}

}  // namespace ursa::meshgen
