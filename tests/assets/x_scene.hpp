// Test helper: a mesh file read through Assimp and turned back into the file's own
// left-handed space (Assimp mirrors z), with world-space geometry and posed frames.
#pragma once

#include <assimp/scene.h>

#include <array>
#include <assimp/Importer.hpp>
#include <string>
#include <vector>

namespace ursa::assets_test {

struct Box {
  std::array<float, 3> lo{1e30F, 1e30F, 1e30F};
  std::array<float, 3> hi{-1e30F, -1e30F, -1e30F};
  void Add(const aiVector3D& p);
};

struct WorldTriangle {
  std::array<aiVector3D, 3> corners;  // file space, in the file's winding order
  std::array<aiVector3D, 3> normals;
};

class XScene {
 public:
  // Loads `path`; ok() tells whether Assimp accepted it.
  explicit XScene(const std::string& path);
  bool ok() const { return scene_ != nullptr; }
  const std::string& error() const { return error_; }
  const aiScene& scene() const { return *scene_; }

  // Every triangle placed by the frame hierarchy, at the given animation time (or the
  // frames' own transforms when time < 0).
  std::vector<WorldTriangle> Triangles(int time = -1) const;
  Box Bounds(int time = -1) const;
  // The world position (file space) of a point given in a frame's own space.
  aiVector3D PointInFrame(const std::string& frame, aiVector3D local, int time = -1) const;
  // A frame's local transform from its animation key at `time` (which must be a key time).
  aiMatrix4x4 KeyTransform(const std::string& frame, int time) const;
  const aiNode* Node(const std::string& name) const;

 private:
  aiMatrix4x4 Local(const aiNode* node, int time) const;
  aiMatrix4x4 Global(const aiNode* node, int time) const;

  Assimp::Importer importer_;
  const aiScene* scene_ = nullptr;
  std::string error_;
};

std::string AssetPath(const std::string& name);

}  // namespace ursa::assets_test
