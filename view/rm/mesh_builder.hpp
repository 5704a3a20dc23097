// MeshBuilder: a mesh loaded from a .x file, which any number of frames can show. Each
// builder owns its copy of the mesh, so colouring one leaves every other builder alone.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "view/rm/mesh_part.hpp"

namespace ursa::rm {

class GlContext;
class GpuMesh;

struct Box {
  Vec3 min;
  Vec3 max;
};

class MeshBuilder {
 public:
  explicit MeshBuilder(std::shared_ptr<GlContext> context);
  ~MeshBuilder();
  MeshBuilder(const MeshBuilder&) = delete;
  MeshBuilder& operator=(const MeshBuilder&) = delete;

  // Replaces the content with every mesh of the file, each placed by its frames' transforms.
  // id and flags are accepted as given (0 loads the whole file). On failure the builder
  // keeps what it had and Error is thrown.
  void LoadFromFile(const std::string& path, int id, int flags);
  // Replaces the colour of every face (vertex colours included) with r, g, b in 0..1;
  // specular and emissive colours stay.
  void SetColorRGB(float r, float g, float b);
  // Replaces the emissive colour of every face (the colour it shows with no light at all).
  void SetEmissiveRGB(float r, float g, float b);

  const std::vector<MeshPart>& Parts() const { return parts_; }
  // Adds parts directly (meshes of animation sets' frames).
  void AddParts(std::vector<MeshPart> parts);
  int FaceCount() const;
  // Bounds of all vertices; all zero when empty.
  Box GetBox() const;
  // A sphere around all vertices (the box's centre and half diagonal), kept until the
  // content changes.
  struct Sphere {
    Vec3 centre;
    float radius = 0.0F;
  };
  const Sphere& BoundingSphere();
  // The same for each part, in the order of Parts(): a part outside the view is not drawn.
  const std::vector<Sphere>& PartSpheres();

  // The geometry on the GPU, uploaded on first use; the context must be current.
  const GpuMesh& Gpu();

 private:
  std::shared_ptr<GlContext> context_;
  std::vector<MeshPart> parts_;
  std::unique_ptr<GpuMesh> gpu_;
  std::optional<Sphere> sphere_;
  std::vector<Sphere> partSpheres_;  // empty until asked for
};

}  // namespace ursa::rm
