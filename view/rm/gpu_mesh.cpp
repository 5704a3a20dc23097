// Uploading mesh parts into one vertex buffer and one index buffer.
// Each part's indices are offset to its vertices' place in the shared buffer.
#include "view/rm/gpu_mesh.hpp"

#include <cstddef>
#include <cstdint>

#include "gl/gl_api.hpp"

namespace ursa::rm {

GpuMesh::GpuMesh(const GlContextPtr& context, const std::vector<MeshPart>& parts)
    : vertexArray_(context, GlObject::Type::kVertexArray),
      vertexBuffer_(context, GlObject::Type::kBuffer),
      indexBuffer_(context, GlObject::Type::kBuffer) {
  std::vector<Vertex> vertices;
  std::vector<uint32_t> indices;
  for (const MeshPart& part : parts) {
    const auto base = static_cast<uint32_t>(vertices.size());
    ranges_.push_back({static_cast<int>(indices.size()), static_cast<int>(part.indices.size())});
    vertices.insert(vertices.end(), part.vertices.begin(), part.vertices.end());
    for (uint32_t index : part.indices) indices.push_back(base + index);
  }
  glBindVertexArray(vertexArray_.Name());
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_.Name());
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)),
               vertices.data(), GL_STATIC_DRAW);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_.Name());
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint32_t)),
               indices.data(), GL_STATIC_DRAW);
  constexpr auto kStride = static_cast<GLsizei>(sizeof(Vertex));
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kStride,
                        reinterpret_cast<const void*>(offsetof(Vertex, position)));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, kStride,
                        reinterpret_cast<const void*>(offsetof(Vertex, normal)));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 3, GL_FLOAT, GL_FALSE, kStride,
                        reinterpret_cast<const void*>(offsetof(Vertex, color)));
  glBindVertexArray(0);
}

void GpuMesh::Bind() const { glBindVertexArray(vertexArray_.Name()); }

void GpuMesh::DrawRange(const Range& range) const {
  if (range.indexCount == 0) return;
  glDrawElements(
      GL_TRIANGLES, range.indexCount, GL_UNSIGNED_INT,
      reinterpret_cast<const void*>(static_cast<std::size_t>(range.firstIndex) * sizeof(uint32_t)));
}

}  // namespace ursa::rm
