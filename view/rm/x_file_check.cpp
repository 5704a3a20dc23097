// The check every parsed .x file passes before the renderer sees it: every mesh has a
// triangle, and no number is infinite or not a number, as written or once frames move it.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "view/rm/animation_keys.hpp"
#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

bool Finite(float f) { return std::isfinite(f); }
bool Finite(Vec3 v) { return Finite(v.x) && Finite(v.y) && Finite(v.z); }
bool Finite(Quat q) { return Finite(q.w) && Finite(q.x) && Finite(q.y) && Finite(q.z); }
bool Finite(const Color& c) { return Finite(c.r) && Finite(c.g) && Finite(c.b); }
bool Finite(const Mat4& m) {
  return std::all_of(m.m.begin(), m.m.end(), [](float f) { return Finite(f); });
}
bool Finite(const Material& m) {
  return Finite(m.diffuse) && Finite(m.specular) && Finite(m.emissive) && Finite(m.power);
}

[[noreturn]] void Reject(const std::string& why) { throw XFileRejected("damaged .x file: " + why); }

// A name from the file, fit to stand in a message: printable and short.
std::string Quoted(const std::string& name) {
  constexpr std::size_t kLongest = 40;
  std::string out = "'";
  for (const char c : name.substr(0, kLongest)) out += (c >= ' ' && c <= '~') ? c : '?';
  return out + (name.size() > kLongest ? "...'" : "'");
}

std::string MeshName(std::size_t index) { return "mesh " + std::to_string(index + 1); }

std::string FrameName(const XNode& node) {
  return node.name.empty() ? "an unnamed frame" : "frame " + Quoted(node.name);
}

bool HasArea(const MeshPart& part) {
  for (std::size_t i = 0; i + 2 < part.indices.size(); i += 3) {
    const Vec3 a = part.vertices[part.indices[i]].position;
    const Vec3 b = part.vertices[part.indices[i + 1]].position;
    const Vec3 c = part.vertices[part.indices[i + 2]].position;
    if (Length(Cross(b - a, c - a)) > 0.0F) return true;
  }
  return false;
}

void CheckMesh(const MeshPart& part, std::size_t index) {
  for (const Vertex& v : part.vertices) {
    if (!Finite(v.position)) Reject(MeshName(index) + " has a vertex that is not a finite number");
    if (!Finite(v.normal)) Reject(MeshName(index) + " has a normal that is not a finite number");
    if (part.hasVertexColors && !Finite(v.color)) {
      Reject(MeshName(index) + " has a vertex colour that is not a finite number");
    }
  }
  if (!Finite(part.material)) {
    Reject(MeshName(index) + " has a material that is not made of finite numbers");
  }
  // Points, lines and triangles with two equal corners were dropped on import.
  if (!HasArea(part)) Reject(MeshName(index) + " has no triangle");
}

// The renderer multiplies each frame's matrix into its parents' and moves the frame's meshes
// by the result; finite numbers can still overflow on the way.
void CheckFrame(const XFile& file, const XNode& node, const Mat4& parentWorld) {
  if (!Finite(node.transform)) Reject(FrameName(node) + " has a matrix that is not finite");
  const Mat4 world = parentWorld * node.transform;
  if (!Finite(world)) Reject(FrameName(node) + " is placed beyond the range of numbers");
  for (const int mesh : node.meshes) {
    const MeshPart moved = Transformed(file.meshes[static_cast<std::size_t>(mesh)], world);
    for (const Vertex& v : moved.vertices) {
      if (!Finite(v.position) || !Finite(v.normal)) {
        Reject(MeshName(static_cast<std::size_t>(mesh)) + " in " + FrameName(node) +
               " is moved beyond the range of numbers");
      }
    }
  }
  for (const XNode& child : node.children) CheckFrame(file, child, world);
}

// The first frame of that name in file order, as an animation set binds its channels.
const XNode* FindFrame(const std::vector<XNode>& nodes, const std::string& name) {
  for (const XNode& node : nodes) {
    if (node.name == name) return &node;
    if (const XNode* found = FindFrame(node.children, name)) return found;
  }
  return nullptr;
}

template <typename Key>
void CheckKeys(const std::vector<Key>& keys, const std::string& channel, const char* kind) {
  for (const Key& key : keys) {
    if (!Finite(key.time) || !Finite(key.value)) {
      Reject("the " + std::string(kind) + " keys of " + channel + " are not all finite numbers");
    }
  }
  const auto earlier = [](const Key& a, const Key& b) { return a.time < b.time; };
  if (!std::is_sorted(keys.begin(), keys.end(), earlier)) {
    Reject("the " + std::string(kind) + " keys of " + channel + " are out of time order");
  }
}

void CheckChannel(const XFile& file, const XChannel& channel) {
  const std::string name = "the animation of " + Quoted(channel.node);
  CheckKeys(channel.positions, name, "position");
  CheckKeys(channel.rotations, name, "rotation");
  CheckKeys(channel.scales, name, "scale");
  const XNode* frame = FindFrame(file.roots, channel.node);
  const Mat4 rest = frame != nullptr ? frame->transform : Mat4{};
  // Finite keys can still blend into an infinite pose: two positions 6e38 apart overflow
  // halfway. The blend between two keys is finite wherever it is finite halfway.
  auto checkPose = [&](float time) {
    if (!Finite(PoseAt(channel, rest, time))) {
      Reject(name + " makes a pose that is not finite at time " + std::to_string(time));
    }
  };
  auto checkPoses = [&](const auto& keys) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
      checkPose(keys[k].time);
      if (k + 1 < keys.size()) checkPose(keys[k].time / 2 + keys[k + 1].time / 2);
    }
  };
  checkPoses(channel.positions);
  checkPoses(channel.rotations);
  checkPoses(channel.scales);
}

}  // namespace

void CheckXFile(const XFile& file) {
  for (std::size_t i = 0; i < file.meshes.size(); ++i) CheckMesh(file.meshes[i], i);
  for (const XNode& root : file.roots) CheckFrame(file, root, Mat4{});
  for (const XAnimation& animation : file.animations) {
    for (const XChannel& channel : animation.channels) CheckChannel(file, channel);
  }
}

}  // namespace ursa::rm
