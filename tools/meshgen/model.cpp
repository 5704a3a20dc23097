// Convenience constructors for Model.
// Most of the game's meshes are one mesh in one root frame.
#include "tools/meshgen/model.hpp"

namespace ursa::meshgen {

Model SingleMeshModel(std::string frameName, Mesh mesh) {
  Model model;
  Frame frame;
  frame.name = std::move(frameName);
  frame.meshes.push_back(std::move(mesh));
  model.frames.push_back(std::move(frame));
  return model;
}

}  // namespace ursa::meshgen
