// The brick block: a mortar core wrapped in courses of chunky raised bricks.
// Bricks carry their colour per vertex so all 100 blocks of a stage draw with one material.
#include <algorithm>
#include <array>

#include "tools/meshgen/models.hpp"
#include "tools/meshgen/relief.hpp"
#include "tools/meshgen/rng.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {
namespace {

constexpr float kHalf = 75;       // half the block's width
constexpr float kHeight = 150;    // top surface
constexpr float kBrickDepth = 3;  // bricks stand this far out of the core
constexpr float kCore = kHalf - kBrickDepth;
constexpr float kCourse = 37.5F;  // about four courses per side
constexpr float kBrickLength = 75;
constexpr float kMortar = 1.5F;  // half the width of a mortar joint

const Rgba kMortarColor{0.66F, 0.61F, 0.53F, 1};

Rgba BrickColor(Rng& rng) {
  const Rgba base{0.72F, 0.31F, 0.19F, 1};
  const Rgba burnt{0.50F, 0.20F, 0.14F, 1};
  const Rgba light{0.82F, 0.45F, 0.27F, 1};
  const float pick = rng.Unit();
  Rgba c = pick < 0.15F ? Mix(base, burnt, rng.Range(0.4F, 0.9F))
                        : (pick < 0.3F ? Mix(base, light, rng.Range(0.3F, 0.8F)) : base);
  return Scale(c, rng.Range(0.9F, 1.06F));
}

// Running-bond courses over u0..u1 x v0..v1 of a side; `shift` offsets the bond by half a
// brick so that neighbouring sides interlock at the corners.
void AddCourses(Mesh& mesh, float u0, float u1, float v0, float v1, bool shift,
                const ReliefStyle& style, const Mat4& place, int material, Rng& rng) {
  const int courses = static_cast<int>((v1 - v0) / kCourse + 0.5F);
  const float course = (v1 - v0) / static_cast<float>(courses);
  for (int c = 0; c < courses; ++c) {
    const float lo = v0 + course * static_cast<float>(c);
    const float hi = lo + course;
    const bool half = (c % 2 == 1) != shift;
    const float start = u0 - (half ? kBrickLength / 2 : 0);
    for (int brick = 0; start + kBrickLength * static_cast<float>(brick) < u1 - 0.5F; ++brick) {
      const float a = start + kBrickLength * static_cast<float>(brick);
      const float b = std::min(a + kBrickLength, u1);
      const float left = std::max(a, u0);
      // Joints between bricks; the block's own edges stay flush.
      const float l = left + (left > u0 ? kMortar : 0);
      const float r = b - (b < u1 ? kMortar : 0);
      const float bottom = lo + (c > 0 ? kMortar : 0);
      const float top = hi - (c + 1 < courses ? kMortar : 0);
      const std::array<Vec3, 4> outline{Vec3{l, bottom, 0}, Vec3{r, bottom, 0}, Vec3{r, top, 0},
                                        Vec3{l, top, 0}};
      AddRelief(mesh, outline, style, material, BrickColor(rng), place);
    }
  }
}

}  // namespace

Model MakeBlock() {
  Mesh mesh("BlockMesh", /*vertexColors=*/true);
  const int material = mesh.AddMaterial(VertexColored({0.20F, 0.09F, 0.06F}));
  Rng rng(0xB10C);
  AddBevelBox(mesh, {-kCore, kBrickDepth, -kCore}, {kCore, kHeight - kBrickDepth, kHalf}, 0,
              material, kMortarColor);
  // Only the front, which the camera faces, gets bevelled bricks; the sides, the top and the
  // bottom, seen at a slant, get flat ones. A stage draws up to a hundred blocks.
  const ReliefStyle bevelled{kBrickDepth, 2.5F, {}, true};
  const ReliefStyle flat{kBrickDepth, 0, {}, false};
  AddCourses(mesh, -kHalf, kHalf, 0, kHeight, false, bevelled, FacingFront(kCore), material, rng);
  AddCourses(mesh, -kCore, kHalf, 0, kHeight, true, flat, FacingRight(kCore), material, rng);
  AddCourses(mesh, -kHalf, kCore, 0, kHeight, true, flat, FacingLeft(kCore), material, rng);
  // Top and bottom reach the block's full width, so neighbouring blocks meet without a gap;
  // a mortar bed under each closes the joints where they pass beyond the core.
  for (float y : {kHeight - kBrickDepth / 2, kBrickDepth / 2}) {
    const std::array<Vec3, 4> bed{Vec3{-kHalf, y, -kHalf}, Vec3{kHalf, y, -kHalf},
                                  Vec3{kHalf, y, kHalf}, Vec3{-kHalf, y, kHalf}};
    mesh.AddFace(bed, material, kMortarColor, {0, kHeight / 2, 0});
  }
  AddCourses(mesh, -kHalf, kHalf, -kHalf, kHalf, false, flat, FacingUp(kHeight - kBrickDepth),
             material, rng);
  AddCourses(mesh, -kHalf, kHalf, -kHalf, kHalf, true, flat, FacingDown(-kBrickDepth), material,
             rng);
  return SingleMeshModel("Block", std::move(mesh));
}

}  // namespace ursa::meshgen
