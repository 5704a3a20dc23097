// The scene tree's frames: building the tree and placing and turning frames in it.
// Orientation is kept as three unit axes, so turning a frame drops any scale it had.
#include "view/rm/frame.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "view/rm/error.hpp"
#include "view/rm/live_objects.hpp"
#include "view/rm/scene_changes.hpp"

namespace ursa::rm {
namespace {

constexpr float kTiny = 1e-6F;

// The heading to keep when looking straight along the up axis: the horizontal part of the
// current forward axis (or, if the frame already looks straight up or down, of its top).
Vec3 HeadingToKeep(const Mat4& current, Vec3 up, bool lookingDown) {
  auto horizontal = [&](Vec3 v) { return v - up * Dot(v, up); };
  Vec3 forward = horizontal(current.Column(2));
  if (Length(forward) > kTiny) return Normalize(forward) * (lookingDown ? 1.0F : -1.0F);
  Vec3 top = horizontal(current.Column(1));
  const bool wasLookingDown = Dot(current.Column(2), up) < 0.0F;
  if (Length(top) > kTiny) {
    return Normalize(top) * ((wasLookingDown == lookingDown) ? 1.0F : -1.0F);
  }
  return {0.0F, 0.0F, lookingDown ? 1.0F : -1.0F};
}

}  // namespace

Frame::Frame(std::string name) : name_(std::move(name)) {
  live::Add(live::kFrame, 1);
  CountSceneChange();
}

Frame::~Frame() {
  live::Add(live::kFrame, -1);
  CountSceneChange();
}

FramePtr Frame::Create(const FramePtr& parent, std::string name) {
  FramePtr frame(new Frame(std::move(name)));
  if (parent) {
    frame->parent_ = parent;
    parent->children_.push_back(frame);
  }
  return frame;
}

void Frame::AddVisual(const MeshBuilderPtr& visual) {
  if (!visual) throw Error("AddVisual", "no mesh builder given");
  visuals_.push_back(visual);
  CountSceneChange();
}

void Frame::AddLight(const LightPtr& light) {
  if (!light) throw Error("AddLight", "no light given");
  lights_.push_back(light);
  CountSceneChange();
}

void Frame::AddChild(const FramePtr& child) {
  if (!child) throw Error("AddChild", "no frame given");
  for (const Frame* f = this; f != nullptr; f = f->parent_.lock().get()) {
    if (f == child.get()) throw Error("AddChild", "a frame cannot become its own descendant");
  }
  if (const FramePtr former = child->parent_.lock()) former->DeleteChild(child);
  child->parent_ = weak_from_this();
  children_.push_back(child);
  CountSceneChange();
}

void Frame::DeleteChild(const FramePtr& child) {
  auto found = std::find(children_.begin(), children_.end(), child);
  if (found == children_.end()) throw Error("DeleteChild", "the frame is not a child");
  (*found)->parent_.reset();
  children_.erase(found);
  CountSceneChange();
}

void Frame::SetTransform(const Mat4& transform) {
  // Placing a frame where it already is changes no picture (a bear standing still).
  if (transform.m == transform_.m) return;
  transform_ = transform;
  CountSceneChange();
}

void Frame::SetOpacity(float opacity) {
  if (!(opacity >= 0.0F && opacity <= 1.0F)) {
    throw Error("SetOpacity", "the opacity must lie between 0 and 1");
  }
  if (opacity == opacity_) return;
  opacity_ = opacity;
  CountSceneChange();
}

Mat4 Frame::WorldTransform() const {
  Mat4 world = transform_;
  for (FramePtr p = parent_.lock(); p; p = p->parent_.lock()) world = p->transform_ * world;
  return world;
}

Mat4 Frame::ReferenceToParent(const FramePtr& reference) const {
  if (!reference) return Mat4{};
  const FramePtr parent = parent_.lock();
  const Mat4 parentWorld = parent ? parent->WorldTransform() : Mat4{};
  return Inverse(parentWorld) * reference->WorldTransform();
}

void Frame::SetPosition(const FramePtr& reference, float x, float y, float z) {
  Mat4 moved = transform_;
  moved.SetColumn(3, TransformPoint(ReferenceToParent(reference), {x, y, z}));
  SetTransform(moved);
}

void Frame::SetOrientation(const FramePtr& reference, float dx, float dy, float dz, float ux,
                           float uy, float uz) {
  const Mat4 toParent = ReferenceToParent(reference);
  const Vec3 z = Normalize(TransformDirection(toParent, {dx, dy, dz}));
  const Vec3 up = TransformDirection(toParent, {ux, uy, uz});
  if (Length(z) < kTiny) throw Error("SetOrientation", "the direction is the zero vector");
  const Vec3 x = Cross(up, z);
  if (Length(x) < kTiny)
    throw Error("SetOrientation", "the up vector is parallel to the direction");
  const Vec3 unitX = Normalize(x);
  SetTransform(FromAxes(unitX, Cross(z, unitX), z, Position()));
}

void Frame::LookAt(const FramePtr& target, const FramePtr& reference, int constraint) {
  if (!target) throw Error("LookAt", "no target frame given");
  if (constraint != 0) throw Error("LookAt", "only constraint 0 (no roll) is supported");
  const FramePtr parent = parent_.lock();
  const Mat4 parentWorld = parent ? parent->WorldTransform() : Mat4{};
  const Vec3 targetInParent =
      TransformPoint(Inverse(parentWorld), target->WorldTransform().Column(3));
  const Vec3 z = Normalize(targetInParent - Position());
  // Looking at a target in the frame's own origin leaves the frame as it is.
  if (Length(z) < kTiny) return;
  const Vec3 up = Normalize(TransformDirection(ReferenceToParent(reference), {0.0F, 1.0F, 0.0F}));
  Vec3 x = Cross(up, z);
  if (Length(x) < 1e-4F) {
    // Straight down or up: "up" would be the heading the frame had, as when pitching over.
    x = Cross(HeadingToKeep(transform_, up, Dot(z, up) < 0.0F), z);
  }
  x = Normalize(x);
  SetTransform(FromAxes(x, Cross(z, x), z, Position()));
}

}  // namespace ursa::rm
