// Mesh builders: loading a .x file's meshes into one builder, recolouring, GPU upload.
// The frames of the file are flattened: each mesh is moved by its frames' transforms.
#include "view/rm/mesh_builder.hpp"

#include <algorithm>
#include <utility>

#include "view/rm/gl_context.hpp"
#include "view/rm/gpu_mesh.hpp"
#include "view/rm/live_objects.hpp"
#include "view/rm/scene_changes.hpp"
#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

void Flatten(const XFile& file, const XNode& node, const Mat4& parentWorld,
             std::vector<MeshPart>& out) {
  const Mat4 world = parentWorld * node.transform;
  for (int mesh : node.meshes) out.push_back(Transformed(file.meshes[mesh], world));
  for (const XNode& child : node.children) Flatten(file, child, world, out);
}

}  // namespace

MeshBuilder::MeshBuilder(std::shared_ptr<GlContext> context) : context_(std::move(context)) {
  live::Add(live::kMeshBuilder, 1);
}

MeshBuilder::~MeshBuilder() {
  gpu_.reset();
  live::Add(live::kMeshBuilder, -1);
  CountSceneChange();
}

void MeshBuilder::LoadFromFile(const std::string& path, int /*id*/, int /*flags*/) {
  const std::shared_ptr<const XFile> file = LoadXFile("LoadFromFile", path);
  std::vector<MeshPart> parts;
  for (const XNode& root : file->roots) Flatten(*file, root, Mat4{}, parts);
  parts_ = std::move(parts);
  gpu_.reset();
  sphere_.reset();
  partSpheres_.clear();
  CountSceneChange();
}

void MeshBuilder::SetColorRGB(float r, float g, float b) {
  for (MeshPart& part : parts_) {
    part.material.diffuse = {r, g, b};
    part.hasVertexColors = false;
  }
  CountSceneChange();
}

void MeshBuilder::SetEmissiveRGB(float r, float g, float b) {
  for (MeshPart& part : parts_) part.material.emissive = {r, g, b};
  CountSceneChange();
}

void MeshBuilder::AddParts(std::vector<MeshPart> parts) {
  for (MeshPart& part : parts) parts_.push_back(std::move(part));
  gpu_.reset();
  sphere_.reset();
  partSpheres_.clear();
  CountSceneChange();
}

int MeshBuilder::FaceCount() const {
  size_t indices = 0;
  for (const MeshPart& part : parts_) indices += part.indices.size();
  return static_cast<int>(indices / 3);
}

namespace {

// Grows `box` (empty while `first`) around the part's vertices.
void AddToBox(const MeshPart& part, Box& box, bool& first) {
  for (const Vertex& v : part.vertices) {
    const Vec3 p = v.position;
    if (first) {
      box = {p, p};
      first = false;
      continue;
    }
    box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
    box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
  }
}

MeshBuilder::Sphere AroundBox(const Box& box) {
  return {(box.min + box.max) * 0.5F, Length(box.max - box.min) * 0.5F};
}

}  // namespace

Box MeshBuilder::GetBox() const {
  Box box;
  bool first = true;
  for (const MeshPart& part : parts_) AddToBox(part, box, first);
  return box;
}

const MeshBuilder::Sphere& MeshBuilder::BoundingSphere() {
  if (!sphere_) sphere_ = AroundBox(GetBox());
  return *sphere_;
}

const std::vector<MeshBuilder::Sphere>& MeshBuilder::PartSpheres() {
  if (partSpheres_.size() != parts_.size()) {
    partSpheres_.clear();
    for (const MeshPart& part : parts_) {
      Box box;
      bool first = true;
      AddToBox(part, box, first);
      partSpheres_.push_back(AroundBox(box));
    }
  }
  return partSpheres_;
}

const GpuMesh& MeshBuilder::Gpu() {
  if (!gpu_) gpu_ = std::make_unique<GpuMesh>(context_, parts_);
  return *gpu_;
}

}  // namespace ursa::rm
