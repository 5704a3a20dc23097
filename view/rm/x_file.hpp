// XFile: the content of a .x mesh file in the renderer's own left-handed terms (frames,
// meshes, animation keys), and the once-per-process loader that parses it through Assimp.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "view/rm/math.hpp"
#include "view/rm/mesh_part.hpp"

namespace ursa::rm {

// Files larger than this are refused before they are parsed.
inline constexpr std::size_t kMaxXFileBytes = 16U << 20;

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

// Why a file's bytes could not be turned into an XFile. what() is short enough for a message
// box; Detail() keeps everything the importer said (the same text when nothing was cut).
class XFileRejected : public std::runtime_error {
 public:
  explicit XFileRejected(const std::string& why) : std::runtime_error(why), detail_(why) {}
  XFileRejected(const std::string& why, std::string detail)
      : std::runtime_error(why), detail_(std::move(detail)) {}
  const std::string& Detail() const { return detail_; }

 private:
  std::string detail_;
};

// Parses the bytes of a .x file (text, binary or compressed) in this process and checks the
// result with CheckXFile. Throws XFileRejected when Assimp rejects them or the check fails.
XFile ImportXFile(const std::string& bytes);

// Throws XFileRejected unless every mesh has a triangle and every number the renderer will
// use is finite: vertices and normals (also once moved by their frames' matrices), materials,
// frame matrices and animation keys (also as the poses they make).
void CheckXFile(const XFile& file);

// The helper program that parses a file and the time it is given. An empty program is
// ursa-xparse, looked for beside the running program, then in its prefix's libexec/ursa; 30 s
// is far more than any mesh file up to 16 MiB needs.
struct XFileImporter {
  std::string program;
  std::chrono::milliseconds timeLimit = std::chrono::seconds(30);
};

// The same as ImportXFile, with Assimp run in the helper program under a memory and time
// limit, so that a hostile file (a count of two billion vertices, a parser crash, a parser
// that never ends) fails with XFileRejected instead of taking the game down.
XFile ImportXFileIsolated(const std::string& bytes, const XFileImporter& importer = {});

// The XFile as bytes and back, for the trip from the helper. Reading throws XFileRejected
// when the bytes are damaged.
std::string SerializeXFile(const XFile& file);
XFile DeserializeXFile(const std::string& bytes);

// The helper's whole answer: the file, or why it was rejected. Reading throws XFileRejected
// for a rejection and for an answer that is not the helper's.
std::string SerializeImportAnswer(const XFile& file);
std::string SerializeImportAnswer(const XFileRejected& rejected);
XFile DeserializeImportAnswer(const std::string& bytes);

// Assimp's words about a file it rejected, cut for a message box: a quoted run of the file is
// shortened (Assimp quotes everything after a bad number, 50 kB for a mesh) and led by its
// line and column in bytes when the quote can be found there; the whole is at most
// kMaxLibraryText characters of printable ASCII.
inline constexpr std::size_t kMaxLibraryText = 200;
std::string ShortLibraryText(const std::string& text, const std::string& bytes);

// The parsed file at the given path (a backslash counts as '/'), parsed at most once per
// process while the file stays unchanged. Throws Error(operation, path, why) for a missing,
// unreadable, oversized or rejected file; a failure is not remembered, so a later call tries
// again. When the importer's words had to be cut for the message, the whole of them goes to
// stderr once, at the failure. Throws XFileLoadCancelled (x_file_cancel.hpp) after a quit.
std::shared_ptr<const XFile> LoadXFile(const std::string& operation, const std::string& given);

// Number of files parsed so far in this process (to check that the cache is used).
int XFileParseCount();

}  // namespace ursa::rm
