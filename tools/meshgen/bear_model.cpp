// The player: a chubby brown bear in a red shirt and blue shorts, facing +z.
// Body, head, arms and legs are frames of their own so the walk cycle can swing them.
#include <cmath>
#include <numbers>

#include "tools/meshgen/models.hpp"
#include "tools/meshgen/shapes.hpp"

namespace ursa::meshgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kCycle = 20;  // times 0..19, then 0 again

constexpr float kHip = 21;       // hip joint above the feet
constexpr Vec3 kNeck{0, 30, 0};  // in the body's frame
constexpr Vec3 kShoulder{15, 24, 0};
constexpr Vec3 kHipJoint{8, 0, 0};
constexpr float kArmRest = 0.28F;  // arms hang a little away from the body

struct Palette {
  int fur, tan, shirt, shorts, black, white;
};

Palette AddPalette(Mesh& mesh) {
  Palette p;
  p.fur = mesh.AddMaterial(Matte({0.58F, 0.36F, 0.19F, 1}, 0.32F));
  p.tan = mesh.AddMaterial(Matte({0.92F, 0.76F, 0.55F, 1}, 0.32F));
  p.shirt = mesh.AddMaterial(Matte({0.88F, 0.16F, 0.14F, 1}, 0.32F));
  p.shorts = mesh.AddMaterial(Matte({0.18F, 0.34F, 0.82F, 1}, 0.32F));
  Material shiny = Matte({0.07F, 0.05F, 0.05F, 1}, 0.2F);
  shiny.power = 40;
  shiny.specular = {0.8F, 0.8F, 0.8F};
  p.black = mesh.AddMaterial(shiny);
  p.white = mesh.AddMaterial(Matte({1, 1, 1, 1}, 0.8F));
  return p;
}

Mesh BodyMesh() {
  Mesh mesh("BodyMesh");
  const Palette p = AddPalette(mesh);
  // The shorts are the lower band of the belly.
  AddEllipsoid(mesh, {0, 13, 0}, {15, 16.5F, 12.5F}, 10, 6,
               [&](Vec3 c) { return c.y < 6.5F ? p.shorts : p.shirt; });
  AddEllipsoid(mesh, {0, 20, 10.8F}, {1.8F, 1.8F, 1.2F}, 4, 2, p.white);  // shirt buttons
  AddEllipsoid(mesh, {0, 13.5F, 12.2F}, {1.8F, 1.8F, 1.2F}, 4, 2, p.white);
  AddEllipsoid(mesh, {0, 5, -12}, {5, 5, 4.5F}, 6, 3, p.fur);  // tail
  return mesh;
}

Mesh HeadMesh() {
  Mesh mesh("HeadMesh");
  const Palette p = AddPalette(mesh);
  AddEllipsoid(mesh, {0, 14, 0}, {15, 13.5F, 13.5F}, 10, 6, p.fur);
  for (float side : {-1.0F, 1.0F}) {
    AddEllipsoid(mesh, {10.5F * side, 25, -1}, {5.5F, 5.5F, 3.5F}, 7, 4, p.fur);
    AddEllipsoid(mesh, {10.5F * side, 25, 1.6F}, {3.2F, 3.2F, 1.6F}, 6, 2, p.tan);
    AddEllipsoid(mesh, {5.6F * side, 17, 11.3F}, {2.1F, 2.7F, 1.7F}, 5, 3, p.black);
    AddEllipsoid(mesh, {5.0F * side, 18.2F, 12.7F}, {0.8F, 0.8F, 0.5F}, 4, 2, p.white);
  }
  AddEllipsoid(mesh, {0, 9.5F, 10.5F}, {7.5F, 6, 5.5F}, 8, 3, p.tan);  // muzzle
  AddEllipsoid(mesh, {0, 12, 15.6F}, {3.2F, 2.3F, 2}, 5, 3, p.black);  // nose
  return mesh;
}

Mesh ArmMesh(const char* name) {
  Mesh mesh(name);
  const Palette p = AddPalette(mesh);
  AddFrustum(mesh, {0, 3, 0}, {0, -8, 0}, 6.2F, 5.6F, 8, p.shirt, {}, true);  // sleeve
  AddFrustum(mesh, {0, -7, 0}, {0, -16, 0}, 4.4F, 4.2F, 6, p.fur, {}, false);
  AddEllipsoid(mesh, {0, -18, 0.5F}, {5.2F, 5, 5}, 6, 3, p.fur);  // paw
  return mesh;
}

Mesh LegMesh(const char* name) {
  Mesh mesh(name);
  const Palette p = AddPalette(mesh);
  AddFrustum(mesh, {0, 2, 0}, {0, -8, 0}, 7.2F, 6.8F, 8, p.shorts, {}, true);
  AddFrustum(mesh, {0, -7, 0}, {0, -16, 0}, 6, 5.6F, 6, p.fur, {}, false);
  AddEllipsoid(mesh, {0, -17.6F, 2.5F}, {6.6F, 3.4F, 8.4F}, 7, 3, p.fur);  // foot
  return mesh;
}

// How far each part turns at time t of the walk; time 0 is standing still, time 5 is the
// longest stride with the arms thrown forward and up, which also serves as the leap.
struct Pose {
  float bob = 0, lean = 0, nod = 0, leg = 0, arm = 0, reach = 0, spread = 0;
};

Pose WalkPose(int t) {
  const float phase = 2 * kPi * static_cast<float>(t) / kCycle;
  const float stride = std::sin(phase);
  const float once = (1 - std::cos(phase)) / 2;  // 0 at time 0, 1 at time 10
  Pose pose;
  pose.leg = 0.65F * stride;
  pose.arm = 0.9F * std::abs(stride) * stride;
  pose.reach = 0.9F * stride * stride;
  pose.spread = 0.3F * stride * stride;
  pose.lean = 0.08F * stride * stride;
  pose.bob = 2.0F * once;
  pose.nod = 0.12F * once;
  return pose;
}

// Local transforms of the animated frames for a pose; positive x-rotation swings a hanging
// limb backward (toward -z), so the right leg steps forward on a positive stride.
Mat4 BodyKey(const Pose& p) {
  return Then(Mat4::RotationX(p.lean), Mat4::Translation({0, kHip + p.bob, 0}));
}
Mat4 HeadKey(const Pose& p) { return Then(Mat4::RotationX(p.nod), Mat4::Translation(kNeck)); }
Mat4 ArmKey(const Pose& p, float side) {
  const Mat4 tilt = Mat4::RotationZ(side * (kArmRest + p.spread));
  const Mat4 swing = Mat4::RotationX(side * p.arm - p.reach);
  return Then(Then(tilt, swing), Mat4::Translation({kShoulder.x * side, kShoulder.y, 0}));
}
Mat4 LegKey(const Pose& p, float side) {
  return Then(Mat4::RotationX(-side * p.leg), Mat4::Translation({kHipJoint.x * side, 0, 0}));
}

}  // namespace

Model MakeBear() {
  const Pose rest = WalkPose(0);
  Frame body{"Body", BodyKey(rest), {BodyMesh()}, {}};
  body.children.push_back({"Head", HeadKey(rest), {HeadMesh()}, {}});
  body.children.push_back({"ArmR", ArmKey(rest, 1), {ArmMesh("ArmRMesh")}, {}});
  body.children.push_back({"ArmL", ArmKey(rest, -1), {ArmMesh("ArmLMesh")}, {}});
  body.children.push_back({"LegR", LegKey(rest, 1), {LegMesh("LegRMesh")}, {}});
  body.children.push_back({"LegL", LegKey(rest, -1), {LegMesh("LegLMesh")}, {}});
  Frame root{"Bear", Mat4{}, {}, {}};
  root.children.push_back(std::move(body));

  AnimationSet walk;
  walk.name = "Walk";
  AnimationTrack bodyTrack{"Body", {}};
  AnimationTrack head{"Head", {}};
  AnimationTrack armR{"ArmR", {}};
  AnimationTrack armL{"ArmL", {}};
  AnimationTrack legR{"LegR", {}};
  AnimationTrack legL{"LegL", {}};
  for (int t = 0; t < kCycle; ++t) {
    const Pose p = WalkPose(t);
    bodyTrack.keys.push_back(BodyKey(p));
    head.keys.push_back(HeadKey(p));
    armR.keys.push_back(ArmKey(p, 1));
    armL.keys.push_back(ArmKey(p, -1));
    legR.keys.push_back(LegKey(p, 1));
    legL.keys.push_back(LegKey(p, -1));
  }
  walk.tracks = {bodyTrack, head, armR, armL, legR, legL};
  Model model;
  model.frames.push_back(std::move(root));
  model.animation = std::move(walk);
  return model;
}

}  // namespace ursa::meshgen
