// A whole mesh file in memory: a frame tree with meshes and an optional animation set
// whose keys are full local transforms of named frames at times 0, 1, 2, ...
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/meshgen/mesh.hpp"

namespace ursa::meshgen {

struct Frame {
  std::string name;
  Mat4 transform;
  std::vector<Mesh> meshes;
  std::vector<Frame> children;
};

struct AnimationTrack {
  std::string frame;
  std::vector<Mat4> keys;  // keys[t] is the frame's local transform at time t
};

struct AnimationSet {
  std::string name;
  int ticksPerSecond = 50;
  std::vector<AnimationTrack> tracks;
};

struct Model {
  std::vector<Frame> frames;
  std::optional<AnimationSet> animation;
};

// Wraps one mesh in a single root frame with the identity transform.
Model SingleMeshModel(std::string frameName, Mesh mesh);

}  // namespace ursa::meshgen
