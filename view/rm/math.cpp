// Vector, quaternion and matrix arithmetic of the retained-mode layer.
// Plain float code; nothing here touches OpenGL.
#include "view/rm/math.hpp"

#include <array>
#include <cmath>

namespace ursa::rm {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
Vec3 Normalize(Vec3 a) {
  const float len = Length(a);
  return len > 0.0F ? a * (1.0F / len) : a;
}
Vec3 Lerp(Vec3 a, Vec3 b, float t) { return a + (b - a) * t; }

Quat Slerp(Quat a, Quat b, float t) {
  float cosom = a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z;
  if (cosom < 0.0F) {
    cosom = -cosom;
    b = {-b.w, -b.x, -b.y, -b.z};
  }
  float s0 = 1.0F - t;
  float s1 = t;
  // Nearly equal rotations: linear blend avoids dividing by a vanishing sine.
  if (1.0F - cosom > 1e-5F) {
    const float omega = std::acos(cosom);
    const float sinom = std::sin(omega);
    s0 = std::sin((1.0F - t) * omega) / sinom;
    s1 = std::sin(t * omega) / sinom;
  }
  Quat q{s0 * a.w + s1 * b.w, s0 * a.x + s1 * b.x, s0 * a.y + s1 * b.y, s0 * a.z + s1 * b.z};
  const float len = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
  if (len > 0.0F) q = {q.w / len, q.x / len, q.y / len, q.z / len};
  return q;
}

void Mat4::SetColumn(int col, Vec3 v) {
  m[col * 4] = v.x;
  m[col * 4 + 1] = v.y;
  m[col * 4 + 2] = v.z;
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
  Mat4 r;
  for (int c = 0; c < 4; ++c) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0F;
      for (int k = 0; k < 4; ++k) sum += a(row, k) * b(k, c);
      r(row, c) = sum;
    }
  }
  return r;
}

Mat4 Translation(Vec3 t) {
  Mat4 r;
  r.SetColumn(3, t);
  return r;
}

Mat4 Scaling(Vec3 s) {
  Mat4 r;
  r(0, 0) = s.x;
  r(1, 1) = s.y;
  r(2, 2) = s.z;
  return r;
}

Mat4 Rotation(Quat q) {
  const float n = q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z;
  const float s = n > 0.0F ? 2.0F / n : 0.0F;
  const float xx = q.x * q.x * s, yy = q.y * q.y * s, zz = q.z * q.z * s;
  const float xy = q.x * q.y * s, xz = q.x * q.z * s, yz = q.y * q.z * s;
  const float wx = q.w * q.x * s, wy = q.w * q.y * s, wz = q.w * q.z * s;
  Mat4 r;
  r(0, 0) = 1.0F - yy - zz;
  r(0, 1) = xy - wz;
  r(0, 2) = xz + wy;
  r(1, 0) = xy + wz;
  r(1, 1) = 1.0F - xx - zz;
  r(1, 2) = yz - wx;
  r(2, 0) = xz - wy;
  r(2, 1) = yz + wx;
  r(2, 2) = 1.0F - xx - yy;
  return r;
}

Mat4 FromAxes(Vec3 x, Vec3 y, Vec3 z, Vec3 origin) {
  Mat4 r;
  r.SetColumn(0, x);
  r.SetColumn(1, y);
  r.SetColumn(2, z);
  r.SetColumn(3, origin);
  return r;
}

Mat4 Inverse(const Mat4& a) {
  // The rows of the inverse 3x3 block are the cross products of the other two columns.
  const Vec3 c0 = a.Column(0);
  const Vec3 c1 = a.Column(1);
  const Vec3 c2 = a.Column(2);
  const std::array<Vec3, 3> rows{Cross(c1, c2), Cross(c2, c0), Cross(c0, c1)};
  const float det = Dot(c0, rows[0]);
  Mat4 r;
  if (std::fabs(det) < 1e-30F) return r;
  for (int row = 0; row < 3; ++row) {
    const Vec3 v = rows[row] * (1.0F / det);
    r(row, 0) = v.x;
    r(row, 1) = v.y;
    r(row, 2) = v.z;
  }
  r.SetColumn(3, TransformDirection(r, a.Column(3)) * -1.0F);
  return r;
}

Vec3 TransformPoint(const Mat4& a, Vec3 p) {
  return {a(0, 0) * p.x + a(0, 1) * p.y + a(0, 2) * p.z + a(0, 3),
          a(1, 0) * p.x + a(1, 1) * p.y + a(1, 2) * p.z + a(1, 3),
          a(2, 0) * p.x + a(2, 1) * p.y + a(2, 2) * p.z + a(2, 3)};
}

Vec3 TransformDirection(const Mat4& a, Vec3 d) {
  return {a(0, 0) * d.x + a(0, 1) * d.y + a(0, 2) * d.z,
          a(1, 0) * d.x + a(1, 1) * d.y + a(1, 2) * d.z,
          a(2, 0) * d.x + a(2, 1) * d.y + a(2, 2) * d.z};
}

Mat4 NormalMatrix(const Mat4& a) {
  const Mat4 inverse = Inverse(a);
  Mat4 r;
  for (int row = 0; row < 3; ++row) {
    for (int c = 0; c < 3; ++c) r(row, c) = inverse(c, row);
  }
  return r;
}

float Determinant3(const Mat4& a) { return Dot(a.Column(0), Cross(a.Column(1), a.Column(2))); }

}  // namespace ursa::rm
