// Sampling animation keys at a time: positions and scales linearly, rotations by slerp.
// Before the first key the first holds, after the last the last; a NaN time takes the first.
#pragma once

#include <vector>

#include "view/rm/x_file.hpp"

namespace ursa::rm {

// keys must be non-empty and sorted by time.
Vec3 Sample(const std::vector<VecKey>& keys, float time);
Quat Sample(const std::vector<QuatKey>& keys, float time);

// The local transform of an animated frame at a time: translation, then rotation, then scale,
// each from its keys, or from the rest transform where the channel has none.
Mat4 PoseAt(const XChannel& channel, const Mat4& rest, float time);

}  // namespace ursa::rm
