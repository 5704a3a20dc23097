// XFile to bytes and back: counts, then plain values, in the machine's own byte order (the
// bytes only ever travel from the helper ursa-xparse to the program that started it).
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>

#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

class Writer {
 public:
  template <typename T>
  void Value(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    out_.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  template <typename T>
  void Values(const std::vector<T>& values) {
    static_assert(std::is_trivially_copyable_v<T>);
    Value(static_cast<uint64_t>(values.size()));
    out_.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
  }
  void Text(const std::string& text) {
    Value(static_cast<uint64_t>(text.size()));
    out_ += text;
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

class Reader {
 public:
  explicit Reader(const std::string& in) : in_(in) {}

  template <typename T>
  T Value() {
    T value;
    std::memcpy(&value, Take(sizeof value), sizeof value);
    return value;
  }
  template <typename T>
  std::vector<T> Values() {
    const uint64_t count = Count(sizeof(T));
    std::vector<T> values(count);
    if (count > 0) std::memcpy(values.data(), Take(count * sizeof(T)), count * sizeof(T));
    return values;
  }
  std::string Text() {
    // Count keeps it within the bytes held, so it fits a size_t in a 32-bit build too.
    const auto size = static_cast<size_t>(Count(1));
    return {Take(size), size};
  }
  // A count of items of itemSize bytes that the remaining bytes can actually hold.
  uint64_t Count(uint64_t itemSize) {
    const auto count = Value<uint64_t>();
    if (count > (in_.size() - at_) / itemSize) throw XFileRejected("importer output damaged");
    return count;
  }
  bool AtEnd() const { return at_ == in_.size(); }

 private:
  const char* Take(uint64_t size) {
    if (size > in_.size() - at_) throw XFileRejected("importer output damaged");
    const char* p = in_.data() + at_;
    at_ += size;
    return p;
  }

  const std::string& in_;
  size_t at_ = 0;
};

void WriteNode(Writer& w, const XNode& node) {
  w.Text(node.name);
  w.Value(node.transform);
  w.Values(node.meshes);
  w.Value(static_cast<uint64_t>(node.children.size()));
  for (const XNode& child : node.children) WriteNode(w, child);
}

XNode ReadNode(Reader& r, int depth, size_t meshCount) {
  if (depth > 256) throw XFileRejected("importer output damaged");
  XNode node;
  node.name = r.Text();
  node.transform = r.Value<Mat4>();
  node.meshes = r.Values<int>();
  for (int mesh : node.meshes) {
    if (mesh < 0 || static_cast<size_t>(mesh) >= meshCount) {
      throw XFileRejected("importer output damaged");
    }
  }
  const uint64_t children = r.Count(1);
  for (uint64_t i = 0; i < children; ++i) {
    node.children.push_back(ReadNode(r, depth + 1, meshCount));
  }
  return node;
}

// Leads every answer of the helper, so that a helper of another build is told apart from one
// whose answer was damaged.
constexpr std::string_view kAnswerTag = "ursa-xparse 1\n";
constexpr char kAccepted = 'A';
constexpr char kRejected = 'R';

}  // namespace

std::string SerializeXFile(const XFile& file) {
  Writer w;
  w.Value(static_cast<uint64_t>(file.meshes.size()));
  for (const MeshPart& part : file.meshes) {
    w.Values(part.vertices);
    w.Values(part.indices);
    w.Value(part.material);
    w.Value(static_cast<uint8_t>(part.hasVertexColors ? 1 : 0));
  }
  w.Value(static_cast<uint64_t>(file.roots.size()));
  for (const XNode& root : file.roots) WriteNode(w, root);
  w.Value(static_cast<uint64_t>(file.animations.size()));
  for (const XAnimation& animation : file.animations) {
    w.Text(animation.name);
    w.Value(static_cast<uint64_t>(animation.channels.size()));
    for (const XChannel& channel : animation.channels) {
      w.Text(channel.node);
      w.Values(channel.positions);
      w.Values(channel.rotations);
      w.Values(channel.scales);
    }
  }
  return w.Take();
}

XFile DeserializeXFile(const std::string& bytes) {
  Reader r(bytes);
  XFile file;
  const uint64_t meshes = r.Count(1);
  for (uint64_t i = 0; i < meshes; ++i) {
    MeshPart part;
    part.vertices = r.Values<Vertex>();
    part.indices = r.Values<uint32_t>();
    part.material = r.Value<Material>();
    part.hasVertexColors = r.Value<uint8_t>() != 0;
    for (uint32_t index : part.indices) {
      if (index >= part.vertices.size()) throw XFileRejected("importer output damaged");
    }
    file.meshes.push_back(std::move(part));
  }
  const uint64_t roots = r.Count(1);
  for (uint64_t i = 0; i < roots; ++i) file.roots.push_back(ReadNode(r, 0, file.meshes.size()));
  const uint64_t animations = r.Count(1);
  for (uint64_t i = 0; i < animations; ++i) {
    XAnimation animation;
    animation.name = r.Text();
    const uint64_t channels = r.Count(1);
    for (uint64_t c = 0; c < channels; ++c) {
      XChannel channel;
      channel.node = r.Text();
      channel.positions = r.Values<VecKey>();
      channel.rotations = r.Values<QuatKey>();
      channel.scales = r.Values<VecKey>();
      animation.channels.push_back(std::move(channel));
    }
    file.animations.push_back(std::move(animation));
  }
  if (!r.AtEnd()) throw XFileRejected("importer output damaged");
  return file;
}

std::string SerializeImportAnswer(const XFile& file) {
  return std::string(kAnswerTag) + kAccepted + SerializeXFile(file);
}

std::string SerializeImportAnswer(const XFileRejected& rejected) {
  Writer w;
  w.Text(rejected.what());
  w.Text(rejected.Detail());
  return std::string(kAnswerTag) + kRejected + w.Take();
}

XFile DeserializeImportAnswer(const std::string& bytes) {
  if (!bytes.starts_with(kAnswerTag) || bytes.size() == kAnswerTag.size()) {
    throw XFileRejected("the importer's answer is not that of this game's ursa-xparse");
  }
  const std::string body = bytes.substr(kAnswerTag.size() + 1);
  switch (bytes[kAnswerTag.size()]) {
    case kAccepted:
      return DeserializeXFile(body);
    case kRejected: {
      Reader r(body);
      std::string why = r.Text();
      std::string detail = r.Text();
      if (!r.AtEnd()) throw XFileRejected("importer output damaged");
      throw XFileRejected(why, std::move(detail));
    }
    default:
      throw XFileRejected("importer output damaged");
  }
}

}  // namespace ursa::rm
