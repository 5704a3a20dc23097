// Frame: a node of the scene tree with a transform relative to its parent, holding meshes
// (visuals), lights and child frames. Axes: x right, y up, z away from the viewer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "view/rm/handles.hpp"
#include "view/rm/math.hpp"

namespace ursa::rm {

class Frame : public std::enable_shared_from_this<Frame> {
 public:
  // A new frame at the origin with no rotation, appended to parent's children (nullptr: a root).
  static FramePtr Create(const FramePtr& parent, std::string name = {});
  ~Frame();
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  void AddVisual(const MeshBuilderPtr& visual);
  void AddLight(const LightPtr& light);
  // Makes child a child of this frame, taking it off its former parent.
  void AddChild(const FramePtr& child);
  // Removes child from this frame's children; the child becomes a root.
  void DeleteChild(const FramePtr& child);

  // Every reference below may be nullptr, meaning the parent's space.
  void SetPosition(const FramePtr& reference, float x, float y, float z);
  // Turns the frame's +z to the direction and its +y toward up (both in reference's space).
  void SetOrientation(const FramePtr& reference, float dx, float dy, float dz, float ux, float uy,
                      float uz);
  // Turns the frame's +z toward the target's origin. Constraint 0 allows no roll: +x stays
  // level in reference's space. Looking straight down or up, the frame keeps its heading.
  void LookAt(const FramePtr& target, const FramePtr& reference, int constraint);

  // How opaque everything under the frame is drawn, 0..1, multiplied down the tree. At 1 (as a
  // frame is made) meshes are solid; below it they are blended over what lies behind them.
  void SetOpacity(float opacity);
  float Opacity() const { return opacity_; }

  // Position and axes in the parent's space.
  Vec3 Position() const { return transform_.Column(3); }
  Vec3 AxisX() const { return transform_.Column(0); }
  Vec3 AxisY() const { return transform_.Column(1); }
  Vec3 AxisZ() const { return transform_.Column(2); }
  const Mat4& Transform() const { return transform_; }
  // Counts a scene change only when the transform differs.
  void SetTransform(const Mat4& transform);
  // The frame's transform to world (root) space.
  Mat4 WorldTransform() const;

  FramePtr Parent() const { return parent_.lock(); }
  const std::vector<FramePtr>& Children() const { return children_; }
  const std::vector<MeshBuilderPtr>& Visuals() const { return visuals_; }
  const std::vector<LightPtr>& Lights() const { return lights_; }
  const std::string& Name() const { return name_; }

 private:
  explicit Frame(std::string name);
  // Maps reference space into the parent's space.
  Mat4 ReferenceToParent(const FramePtr& reference) const;

  std::string name_;
  Mat4 transform_;
  float opacity_ = 1.0F;
  std::weak_ptr<Frame> parent_;
  std::vector<FramePtr> children_;
  std::vector<MeshBuilderPtr> visuals_;
  std::vector<LightPtr> lights_;
};

}  // namespace ursa::rm
