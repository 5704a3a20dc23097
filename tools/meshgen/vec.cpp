// Matrix helpers of the mesh generator.
// Row-vector convention throughout, so composing "a then b" is the product a * b.
#include "tools/meshgen/vec.hpp"

namespace ursa::meshgen {

Mat4 Mat4::Translation(Vec3 t) {
  Mat4 r;
  r.m[12] = t.x;
  r.m[13] = t.y;
  r.m[14] = t.z;
  return r;
}

Mat4 Mat4::RotationX(float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  Mat4 r;
  r.m[5] = c;
  r.m[6] = s;
  r.m[9] = -s;
  r.m[10] = c;
  return r;
}

Mat4 Mat4::RotationY(float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  Mat4 r;
  r.m[0] = c;
  r.m[2] = -s;
  r.m[8] = s;
  r.m[10] = c;
  return r;
}

Mat4 Mat4::RotationZ(float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  Mat4 r;
  r.m[0] = c;
  r.m[1] = s;
  r.m[4] = -s;
  r.m[5] = c;
  return r;
}

Vec3 Mat4::TransformPoint(Vec3 p) const {
  return {p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12],
          p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
          p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
}

Vec3 Mat4::TransformDirection(Vec3 d) const {
  return {d.x * m[0] + d.y * m[4] + d.z * m[8], d.x * m[1] + d.y * m[5] + d.z * m[9],
          d.x * m[2] + d.y * m[6] + d.z * m[10]};
}

Mat4 Then(const Mat4& first, const Mat4& second) {
  Mat4 r;
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) {
        sum += first.m[row * 4 + k] * second.m[k * 4 + col];
      }
      r.m[row * 4 + col] = sum;
    }
  }
  return r;
}

}  // namespace ursa::meshgen
