// Key interpolation for animation sets.
// One search routine serves every key type; only the blend differs.
#include "view/rm/animation_keys.hpp"

#include <algorithm>

namespace ursa::rm {
namespace {

template <typename Key, typename Blend>
auto SampleKeys(const std::vector<Key>& keys, float time, Blend blend) {
  // Written so that a time that is not a number also takes the first key.
  if (!(time > keys.front().time)) return keys.front().value;
  if (time >= keys.back().time) return keys.back().value;
  auto after = std::upper_bound(keys.begin(), keys.end(), time,
                                [](float t, const Key& key) { return t < key.time; });
  auto before = after - 1;
  const float span = after->time - before->time;
  const float t = span > 0.0F ? (time - before->time) / span : 0.0F;
  return blend(before->value, after->value, t);
}

}  // namespace

Vec3 Sample(const std::vector<VecKey>& keys, float time) {
  return SampleKeys(keys, time, [](Vec3 a, Vec3 b, float t) { return Lerp(a, b, t); });
}

Quat Sample(const std::vector<QuatKey>& keys, float time) {
  return SampleKeys(keys, time, [](Quat a, Quat b, float t) { return Slerp(a, b, t); });
}

Mat4 PoseAt(const XChannel& channel, const Mat4& rest, float time) {
  const Vec3 position =
      channel.positions.empty() ? rest.Column(3) : Sample(channel.positions, time);
  const Vec3 restScale{Length(rest.Column(0)), Length(rest.Column(1)), Length(rest.Column(2))};
  const Vec3 scale = channel.scales.empty() ? restScale : Sample(channel.scales, time);
  Mat4 rotation;
  if (channel.rotations.empty()) {
    rotation = FromAxes(Normalize(rest.Column(0)), Normalize(rest.Column(1)),
                        Normalize(rest.Column(2)), {});
  } else {
    rotation = Rotation(Sample(channel.rotations, time));
  }
  return Translation(position) * rotation * Scaling(scale);
}

}  // namespace ursa::rm
