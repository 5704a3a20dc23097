// XFile: the content of a .x mesh file in the renderer's own left-handed terms (frames,
// meshes, animation keys), and the once-per-process loader that parses it through Assimp.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "view/rm/math.hpp"
#include "view/rm/mesh_part.hpp"

namespace ursa::rm {

// Files larger than this are refused before they are parsed.
inline constexpr std::size_t kMaxXFileBytes = 16u << 20;

struct XNode {
  std::string name;
  Mat4 transform;           // relative to the parent node
  std::vector<int> meshes;  // indices into XFile::meshes
  std::vector<XNode> children;
};

struct VecKey {
  float time = 0.0F;
  Vec3 value;
};

struct QuatKey {
  float time = 0.0F;
  Quat value;
};

// The keys of one animated frame; times are in the file's own units.
struct XChannel {
  std::string node;
  std::vector<VecKey> positions;
  std::vector<QuatKey> rotations;
  std::vector<VecKey> scales;
};

struct XAnimation {
  std::string name;
  std::vector<XChannel> channels;
};

struct XFile {
  std::vector<XNode> roots;  // the file's top-level frames
  std::vector<MeshPart> meshes;
  std::vector<XAnimation> animations;
};

// Why a file's bytes could not be turned into an XFile.
class XFileRejected : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the bytes of a .x file (text, binary or compressed) in this process. Throws
// XFileRejected when Assimp rejects them.
XFile ImportXFile(const std::string& bytes);

// The same, with Assimp run in a child process under a memory and time limit, so that a
// hostile file (a count of two billion vertices, a parser crash) fails with XFileRejected
// instead of taking the game down.
XFile ImportXFileIsolated(const std::string& bytes);

// The XFile as bytes and back, for the trip from the child process. Reading throws
// XFileRejected when the bytes are damaged.
std::string SerializeXFile(const XFile& file);
XFile DeserializeXFile(const std::string& bytes);

// The parsed file at the given path (a backslash counts as '/'), parsed at most once per
// process while the file stays unchanged. Throws Error(operation, path, why) for a missing,
// unreadable, oversized or rejected file; a failure is not remembered, so a later call tries
// again.
std::shared_ptr<const XFile> LoadXFile(const std::string& operation, const std::string& given);

// Number of files parsed so far in this process (to check that the cache is used).
int XFileParseCount();

}  // namespace ursa::rm
