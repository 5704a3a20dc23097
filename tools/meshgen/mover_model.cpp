// The horizontal mover: a steel crate with riveted edges and a yellow two-way arrow,
// so it reads at a glance as a machine that slides, not as a brick block.
#include <array>
#include <vector>

#include "tools/meshgen/models.hpp"
#include "tools/meshgen/relief.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {
namespace {

constexpr float kHeight = 150;
constexpr float kBody = 70;  // the crate's frame; plates and rivets stand out to 75
constexpr float kPlate = 3;  // how far a face plate stands out of the frame
constexpr float kRivet = 5;  // how far a rivet head stands out of the frame
constexpr float kRim = 14;   // width of the riveted rim around a plate

std::vector<Vec3> Diamond(float cx, float cy, float r) {
  return {{cx, cy - r, 0}, {cx + r, cy, 0}, {cx, cy + r, 0}, {cx - r, cy, 0}};
}

// A side of the crate spanning u0..u1 x v0..v1: an inset plate ringed by eight rivets.
void AddPanel(Mesh& mesh, float u0, float u1, float v0, float v1, const Mat4& place, int plate,
              int rivet) {
  const std::array<Vec3, 4> outline{Vec3{u0 + kRim, v0 + kRim, 0}, Vec3{u1 - kRim, v0 + kRim, 0},
                                    Vec3{u1 - kRim, v1 - kRim, 0}, Vec3{u0 + kRim, v1 - kRim, 0}};
  AddRelief(mesh, outline, {kPlate, 3, {}}, plate, {}, place);
  const float a = kRim / 2;
  const float us[3] = {u0 + a, (u0 + u1) / 2, u1 - a};
  const float vs[3] = {v0 + a, (v0 + v1) / 2, v1 - a};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (i == 1 && j == 1) {
        continue;
      }
      AddRelief(mesh, Diamond(us[i], vs[j], 4.5F), {kRivet, 2.5F, {}}, rivet, {}, place);
    }
  }
}

}  // namespace

Model MakeMover() {
  Mesh mesh("MoverMesh");
  Material steel;
  steel.face = {0.52F, 0.60F, 0.70F, 1};
  steel.power = 24;
  steel.specular = {0.55F, 0.55F, 0.6F};
  steel.emissive = {0.16F, 0.19F, 0.23F};
  Material plateSteel = steel;
  plateSteel.face = {0.40F, 0.48F, 0.60F, 1};
  plateSteel.emissive = {0.12F, 0.15F, 0.2F};
  Material rivetSteel = steel;
  rivetSteel.face = {0.80F, 0.84F, 0.88F, 1};
  rivetSteel.power = 40;
  rivetSteel.specular = {0.9F, 0.9F, 0.9F};
  Material paint = Matte({1.0F, 0.80F, 0.12F, 1}, 0.35F);
  const int frame = mesh.AddMaterial(steel);
  const int plate = mesh.AddMaterial(plateSteel);
  const int rivet = mesh.AddMaterial(rivetSteel);
  const int arrow = mesh.AddMaterial(paint);

  // The top stays flat at 150: the player stands on the frame itself.
  AddBevelBox(mesh, {-kBody, 0, -kBody}, {kBody, kHeight, kBody}, 6, frame);
  AddPanel(mesh, -kBody, kBody, 0, kHeight, FacingFront(kBody), plate, rivet);
  AddPanel(mesh, -kBody, kBody, 0, kHeight, FacingRight(kBody), plate, rivet);
  AddPanel(mesh, -kBody, kBody, 0, kHeight, FacingLeft(kBody), plate, rivet);

  // Two-way arrow painted on the front plate: it slides left and right.
  const Mat4 onPlate = FacingFront(kBody + kPlate);
  const ReliefStyle paintStyle{1.5F, 1, {}};
  const std::array<Vec3, 4> shaft{Vec3{-30, 69, 0}, Vec3{30, 69, 0}, Vec3{30, 81, 0},
                                  Vec3{-30, 81, 0}};
  const std::array<Vec3, 3> right{Vec3{28, 56, 0}, Vec3{52, 75, 0}, Vec3{28, 94, 0}};
  const std::array<Vec3, 3> left{Vec3{-28, 56, 0}, Vec3{-28, 94, 0}, Vec3{-52, 75, 0}};
  AddRelief(mesh, shaft, paintStyle, arrow, {}, onPlate);
  AddRelief(mesh, right, paintStyle, arrow, {}, onPlate);
  AddRelief(mesh, left, paintStyle, arrow, {}, onPlate);
  return SingleMeshModel("Mover", std::move(mesh));
}

}  // namespace ursa::meshgen
