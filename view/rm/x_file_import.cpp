// Turning Assimp's reading of a .x file back into the file's own left-handed space.
// Assimp's .x importer mirrors z and reverses each triangle; both are undone here exactly.
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

// Assimp invents a root node ("$dummy_root" above several top-level frames, "$dummy_node"
// for a mesh outside any frame); its names start like this.
constexpr std::string_view kSyntheticPrefix = "$dummy";

// The importer mirrors every point through z = 0 (p -> S p with S = diag(1, 1, -1)), so a
// frame matrix M arrives as S M S and a rotation quaternion (w, x, y, z) as (w, -x, -y, z).
// Applying the same mirror again restores the file's values.
Vec3 Unmirror(const aiVector3D& v) { return {v.x, v.y, -v.z}; }

Quat Unmirror(const aiQuaternion& q) { return {q.w, -q.x, -q.y, q.z}; }

Mat4 Unmirror(const aiMatrix4x4& a) {
  Mat4 m;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const float sign = ((r == 2) != (c == 2)) ? -1.0F : 1.0F;
      m(r, c) = sign * a[r][c];
    }
  }
  return m;
}

Color ToColor(const aiColor4D& c) { return {c.r, c.g, c.b}; }

Material ImportMaterial(const aiMaterial& source) {
  Material m;
  aiColor4D color;
  if (source.Get(AI_MATKEY_COLOR_DIFFUSE, color) == AI_SUCCESS) m.diffuse = ToColor(color);
  if (source.Get(AI_MATKEY_COLOR_SPECULAR, color) == AI_SUCCESS) m.specular = ToColor(color);
  if (source.Get(AI_MATKEY_COLOR_EMISSIVE, color) == AI_SUCCESS) m.emissive = ToColor(color);
  float power = 0.0F;
  if (source.Get(AI_MATKEY_SHININESS, power) == AI_SUCCESS) m.power = power;
  return m;
}

// Vertices that only dropped points and lines used are removed: Assimp gives them normals that
// are not numbers, and they would still count in the mesh's bounds.
void DropUnusedVertices(MeshPart& part) {
  constexpr uint32_t kUnused = ~uint32_t{0};
  std::vector<uint32_t> renumbered(part.vertices.size(), kUnused);
  for (const uint32_t index : part.indices) renumbered[index] = 0;
  if (std::find(renumbered.begin(), renumbered.end(), kUnused) == renumbered.end()) return;
  std::vector<Vertex> kept;
  for (size_t i = 0; i < part.vertices.size(); ++i) {
    if (renumbered[i] == kUnused) continue;
    renumbered[i] = static_cast<uint32_t>(kept.size());
    kept.push_back(part.vertices[i]);
  }
  for (uint32_t& index : part.indices) index = renumbered[index];
  part.vertices = std::move(kept);
}

MeshPart ImportMesh(const aiScene& scene, const aiMesh& mesh) {
  MeshPart part;
  if (mesh.mMaterialIndex < scene.mNumMaterials) {
    part.material = ImportMaterial(*scene.mMaterials[mesh.mMaterialIndex]);
  }
  part.hasVertexColors = mesh.HasVertexColors(0);
  part.vertices.resize(mesh.mNumVertices);
  for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
    Vertex& v = part.vertices[i];
    v.position = Unmirror(mesh.mVertices[i]);
    if (mesh.HasNormals()) v.normal = Unmirror(mesh.mNormals[i]);
    if (part.hasVertexColors) v.color = ToColor(mesh.mColors[0][i]);
  }
  part.indices.reserve(static_cast<size_t>(mesh.mNumFaces) * 3);
  for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
    const aiFace& face = mesh.mFaces[f];
    // Points and lines are not drawn; triangulation has split every polygon.
    if (face.mNumIndices != 3) continue;
    for (int k = 0; k < 3; ++k) {
      if (face.mIndices[k] >= mesh.mNumVertices) throw std::out_of_range("face index");
    }
    // A triangle that names a corner twice is a line or a point.
    const unsigned* corner = face.mIndices;
    if (corner[0] == corner[1] || corner[1] == corner[2] || corner[0] == corner[2]) continue;
    // The importer reversed the order; reversing again gives the file's clockwise fronts.
    for (int k = 2; k >= 0; --k) part.indices.push_back(corner[k]);
  }
  DropUnusedVertices(part);
  return part;
}

XNode ImportNode(const aiNode& node, unsigned meshCount, int depth) {
  // Assimp bounds its own recursion far below this; the check keeps a hostile file from
  // exhausting the stack here.
  if (depth > 256) throw std::length_error("frames nested too deeply");
  XNode out;
  out.name = node.mName.C_Str();
  out.transform = Unmirror(node.mTransformation);
  for (unsigned i = 0; i < node.mNumMeshes; ++i) {
    if (node.mMeshes[i] < meshCount) out.meshes.push_back(static_cast<int>(node.mMeshes[i]));
  }
  for (unsigned i = 0; i < node.mNumChildren; ++i) {
    out.children.push_back(ImportNode(*node.mChildren[i], meshCount, depth + 1));
  }
  return out;
}

XChannel ImportChannel(const aiNodeAnim& channel) {
  XChannel out;
  out.node = channel.mNodeName.C_Str();
  for (unsigned k = 0; k < channel.mNumPositionKeys; ++k) {
    const aiVectorKey& key = channel.mPositionKeys[k];
    out.positions.push_back({static_cast<float>(key.mTime), Unmirror(key.mValue)});
  }
  for (unsigned k = 0; k < channel.mNumRotationKeys; ++k) {
    const aiQuatKey& key = channel.mRotationKeys[k];
    out.rotations.push_back({static_cast<float>(key.mTime), Unmirror(key.mValue)});
  }
  // Scaling commutes with the z mirror, so scale keys arrive unchanged.
  for (unsigned k = 0; k < channel.mNumScalingKeys; ++k) {
    const aiVectorKey& key = channel.mScalingKeys[k];
    out.scales.push_back(
        {static_cast<float>(key.mTime), {key.mValue.x, key.mValue.y, key.mValue.z}});
  }
  return out;
}

XFile Convert(const aiScene& scene) {
  XFile file;
  for (unsigned i = 0; i < scene.mNumMeshes; ++i) {
    file.meshes.push_back(ImportMesh(scene, *scene.mMeshes[i]));
  }
  XNode root = ImportNode(*scene.mRootNode, scene.mNumMeshes, 0);
  const bool synthetic = root.name.starts_with(kSyntheticPrefix);
  if (synthetic && root.meshes.empty()) {
    file.roots = std::move(root.children);
  } else {
    if (synthetic) root.name.clear();
    file.roots.push_back(std::move(root));
  }
  for (unsigned a = 0; a < scene.mNumAnimations; ++a) {
    const aiAnimation& animation = *scene.mAnimations[a];
    XAnimation out;
    out.name = animation.mName.C_Str();
    for (unsigned c = 0; c < animation.mNumChannels; ++c) {
      out.channels.push_back(ImportChannel(*animation.mChannels[c]));
    }
    file.animations.push_back(std::move(out));
  }
  return file;
}

}  // namespace

XFile ImportXFile(const std::string& bytes) {
  Assimp::Importer importer;
  // Normals are generated only for meshes that have none; validation rejects out-of-range
  // indices and other damage before any of it reaches the renderer.
  constexpr unsigned kSteps = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices |
                              aiProcess_GenSmoothNormals | aiProcess_ValidateDataStructure;
  const aiScene* scene = importer.ReadFileFromMemory(bytes.data(), bytes.size(), kSteps, "x");
  if (scene == nullptr || scene->mRootNode == nullptr ||
      (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) != 0) {
    const std::string why = importer.GetErrorString();
    const std::string lead = "not a readable .x file";
    if (why.empty()) throw XFileRejected(lead);
    throw XFileRejected(lead + " (" + ShortLibraryText(why, bytes) + ")", lead + " (" + why + ")");
  }
  XFile file;
  try {
    file = Convert(*scene);
  } catch (const std::logic_error& e) {
    throw XFileRejected(std::string("damaged .x file: ") + e.what());
  }
  CheckXFile(file);
  return file;
}

}  // namespace ursa::rm
