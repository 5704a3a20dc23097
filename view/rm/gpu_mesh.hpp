// GpuMesh: a mesh builder's triangles in OpenGL buffers, one draw range per material part.
// Internal to the layer.
#pragma once

#include <vector>

#include "view/rm/gl_object.hpp"
#include "view/rm/mesh_part.hpp"

namespace ursa::rm {

class GpuMesh {
 public:
  // Uploads the parts; the context must be current.
  GpuMesh(const GlContextPtr& context, const std::vector<MeshPart>& parts);

  struct Range {
    int firstIndex = 0;
    int indexCount = 0;
  };
  // One range per part, in the order of the parts.
  const std::vector<Range>& Ranges() const { return ranges_; }
  // Binds the vertex array; then draw a range with DrawRange.
  void Bind() const;
  void DrawRange(const Range& range) const;

 private:
  GlObject vertexArray_;
  GlObject vertexBuffer_;
  GlObject indexBuffer_;
  std::vector<Range> ranges_;
};

}  // namespace ursa::rm
