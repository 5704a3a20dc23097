// Pictures between ticks: positions blended, turns re-aimed, jumps left as jumps.
#include "view/between_ticks.hpp"

namespace ursa::view {
namespace {

// Further than the bear, the camera or any platform goes in one tick (the bear falls at most
// 20, runs at most 15; a camera that follows it moves as far).
constexpr float kJump = 100.0F;

rm::Vec3 Between(rm::Vec3 a, rm::Vec3 b, float t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// `to` with its position moved back toward `from`'s by 1 - t; `from` at 0, `to` at 1 or
// after a jump.
rm::Mat4 Moved(const rm::Mat4& from, const rm::Mat4& to, float t) {
  const rm::Vec3 a = from.Column(3);
  const rm::Vec3 b = to.Column(3);
  if (t <= 0.0F) return from;
  if (t >= 1.0F || rm::Length(b - a) > kJump) return to;
  rm::Mat4 between = to;
  between.SetColumn(3, Between(a, b, t));
  return between;
}

bool Turned(const rm::Mat4& a, const rm::Mat4& b) {
  for (int axis = 0; axis < 3; ++axis) {
    const rm::Vec3 x = a.Column(axis);
    const rm::Vec3 y = b.Column(axis);
    if (x.x != y.x || x.y != y.y || x.z != y.z) return true;
  }
  return false;
}

// The camera or the light: moved, then aimed at the bear where the ticks aimed it.
void PlaceAimed(const rm::FramePtr& frame, const rm::FramePtr& player, const rm::Mat4& from,
                const rm::Mat4& to, float t) {
  const rm::Mat4 moved = Moved(from, to, t);
  frame->SetTransform(moved);
  if (t > 0.0F && t < 1.0F && moved.m != to.m && Turned(from, to)) {
    frame->LookAt(player, nullptr, 0);
  }
}

}  // namespace

StagePose TakePose(const SceneHandles& h) {
  StagePose pose{h.playerFrame->Transform(),
                 h.cameraFrame->Transform(),
                 h.lightFrame->Transform(),
                 {},
                 h.ghostFrame ? h.ghostFrame->Transform() : rm::Mat4{}};
  for (int i = 0; i < kObjectCount; ++i) {
    if (h.objectFrames[i]) pose.objects[i] = h.objectFrames[i]->Transform();
  }
  return pose;
}

void PlaceBetween(SceneHandles& h, const StagePose& from, const StagePose& to, float t) {
  h.playerFrame->SetTransform(Moved(from.player, to.player, t));
  for (int i = 0; i < kObjectCount; ++i) {
    if (h.objectFrames[i])
      h.objectFrames[i]->SetTransform(Moved(from.objects[i], to.objects[i], t));
  }
  if (h.ghostFrame) h.ghostFrame->SetTransform(Moved(from.ghost, to.ghost, t));
  PlaceAimed(h.cameraFrame, h.playerFrame, from.camera, to.camera, t);
  PlaceAimed(h.lightFrame, h.playerFrame, from.light, to.light, t);
}

}  // namespace ursa::view
