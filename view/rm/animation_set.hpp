// AnimationSet: the frame hierarchy of a .x file placed under a parent frame, posed by the
// file's animation keys at the time given to SetTime (in the file's own time units).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "view/rm/handles.hpp"
#include "view/rm/math.hpp"

namespace ursa::rm {

class GlContext;
struct XFile;
struct XChannel;

class AnimationSet {
 public:
  explicit AnimationSet(std::shared_ptr<GlContext> context);
  ~AnimationSet();
  AnimationSet(const AnimationSet&) = delete;
  AnimationSet& operator=(const AnimationSet&) = delete;

  // Builds the file's frames (with their meshes) under parent and binds the file's first
  // animation to them; the frames are posed at time 0. Frames of an earlier load are taken
  // off their parent. On failure nothing is added and Error is thrown; a file without an
  // animation set, or whose first set names none of its frames, is a failure.
  void LoadFromFile(const std::string& path, int id, int flags, const FramePtr& parent);
  // Poses every animated frame at time; keys are interpolated, times outside the keys hold
  // the first or last key. Frames that have since been freed are skipped.
  void SetTime(float time);
  float Time() const { return time_; }

  // The first frame of the loaded hierarchy with this name; nullptr when none (or freed).
  FramePtr FrameNamed(const std::string& name) const;

 private:
  struct Track {
    std::weak_ptr<Frame> frame;
    const XChannel* channel = nullptr;
    Mat4 rest;
  };

  std::shared_ptr<GlContext> context_;
  std::shared_ptr<const XFile> file_;         // owns the channels the tracks point into
  std::vector<std::weak_ptr<Frame>> roots_;   // the top-level frames placed under the parent
  std::vector<std::weak_ptr<Frame>> frames_;  // every frame made, in file order
  std::vector<Track> tracks_;
  float time_ = 0.0F;
};

}  // namespace ursa::rm
