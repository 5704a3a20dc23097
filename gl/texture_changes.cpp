// The texture change record: one entry per tracked texture, the union of what was drawn.
// Runs are numbered across the process, so a texture name reused for a new texture is a new run.
#include "gl/texture_changes.hpp"

#include <unordered_map>

namespace ursa::gl {
namespace {

struct Record {
  uint64_t writer = 0;
  Rect changed;
};

std::unordered_map<unsigned, Record>& Records() {
  static std::unordered_map<unsigned, Record> records;
  return records;
}

uint64_t lastWriter = 0;

}  // namespace

void TrackTexture(unsigned texture) { Records()[texture] = {++lastWriter, {}}; }

void NoteTextureChange(unsigned texture, const Rect& drawn) {
  const auto found = Records().find(texture);
  if (found != Records().end()) found->second.changed = Union(found->second.changed, drawn);
}

void ForgetTexture(unsigned texture) { Records().erase(texture); }

TextureChange TakeTextureChange(unsigned texture) {
  const auto found = Records().find(texture);
  if (found == Records().end()) return {};
  const TextureChange change{found->second.writer, found->second.changed};
  found->second.changed = {};
  return change;
}

}  // namespace ursa::gl
