// Animation sets: building a .x file's frame tree under a parent and posing it by time.
// The set refers to its frames weakly: the scene tree owns them.
#include "view/rm/animation_set.hpp"

#include <utility>

#include "view/rm/animation_keys.hpp"
#include "view/rm/error.hpp"
#include "view/rm/frame.hpp"
#include "view/rm/live_objects.hpp"
#include "view/rm/mesh_builder.hpp"
#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

struct Built {
  std::vector<FramePtr> roots;
  std::vector<FramePtr> all;
};

FramePtr BuildFrame(const std::shared_ptr<GlContext>& context, const XFile& file, const XNode& node,
                    const FramePtr& parent, Built& built) {
  FramePtr frame = Frame::Create(parent, node.name);
  frame->SetTransform(node.transform);
  if (!node.meshes.empty()) {
    auto builder = std::make_shared<MeshBuilder>(context);
    std::vector<MeshPart> parts;
    for (int mesh : node.meshes) parts.push_back(file.meshes[mesh]);
    builder->AddParts(std::move(parts));
    frame->AddVisual(builder);
  }
  built.all.push_back(frame);
  for (const XNode& child : node.children) BuildFrame(context, file, child, frame, built);
  return frame;
}

}  // namespace

AnimationSet::AnimationSet(std::shared_ptr<GlContext> context) : context_(std::move(context)) {
  live::Add(live::kAnimationSet, 1);
}

AnimationSet::~AnimationSet() { live::Add(live::kAnimationSet, -1); }

void AnimationSet::LoadFromFile(const std::string& path, int /*id*/, int /*flags*/,
                                const FramePtr& parent) {
  if (!parent) throw Error("LoadFromFile", path, "no parent frame given for the animation set");
  std::shared_ptr<const XFile> file = LoadXFile("LoadFromFile", path);
  // A set of frames that nothing moves is a damaged file, not a still pose.
  if (file->animations.empty()) throw Error("LoadFromFile", path, "the file has no animation set");

  // Built detached first, so that nothing reaches the scene unless all of it is made.
  Built built;
  for (const XNode& root : file->roots) {
    built.roots.push_back(BuildFrame(context_, *file, root, nullptr, built));
  }
  std::vector<Track> tracks;
  for (const XChannel& channel : file->animations.front().channels) {
    for (const FramePtr& frame : built.all) {
      if (frame->Name() != channel.node) continue;
      tracks.push_back({frame, &channel, frame->Transform()});
      break;
    }
  }
  if (tracks.empty()) {
    throw Error("LoadFromFile", path, "the file's animation set moves none of its frames");
  }

  for (const std::weak_ptr<Frame>& weak : roots_) {
    const FramePtr old = weak.lock();
    if (const FramePtr oldParent = old ? old->Parent() : nullptr) oldParent->DeleteChild(old);
  }
  for (const FramePtr& root : built.roots) parent->AddChild(root);
  roots_.assign(built.roots.begin(), built.roots.end());
  file_ = std::move(file);
  tracks_ = std::move(tracks);
  frames_.assign(built.all.begin(), built.all.end());
  SetTime(0.0F);
}

void AnimationSet::SetTime(float time) {
  time_ = time;
  for (const Track& track : tracks_) {
    if (const FramePtr frame = track.frame.lock()) {
      frame->SetTransform(PoseAt(*track.channel, track.rest, time));
    }
  }
}

FramePtr AnimationSet::FrameNamed(const std::string& name) const {
  for (const std::weak_ptr<Frame>& weak : frames_) {
    const FramePtr frame = weak.lock();
    if (frame && frame->Name() == name) return frame;
  }
  return nullptr;
}

}  // namespace ursa::rm
