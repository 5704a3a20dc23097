// Small vector, quaternion and 4x4 matrix types of the retained-mode layer.
// Matrices are column-major and act on column vectors (p' = M p), the way OpenGL takes them.
#pragma once

#include <array>

namespace ursa::rm {

struct Vec3 {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, float s);
float Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
float Length(Vec3 a);
// The zero vector stays zero.
Vec3 Normalize(Vec3 a);
Vec3 Lerp(Vec3 a, Vec3 b, float t);

// Unit quaternion w + xi + yj + zk; rotates column vectors by the usual formula.
struct Quat {
  float w = 1.0F;
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

// Spherical interpolation along the shorter arc.
Quat Slerp(Quat a, Quat b, float t);

struct Mat4 {
  // Element (row r, column c) is m[c * 4 + r].
  std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  float operator()(int row, int col) const { return m[col * 4 + row]; }
  float& operator()(int row, int col) { return m[col * 4 + row]; }

  Vec3 Column(int col) const { return {m[col * 4], m[col * 4 + 1], m[col * 4 + 2]}; }
  void SetColumn(int col, Vec3 v);
};

Mat4 operator*(const Mat4& a, const Mat4& b);
Mat4 Translation(Vec3 t);
Mat4 Scaling(Vec3 s);
Mat4 Rotation(Quat q);
// A transform whose x, y and z axes and origin are the given vectors.
Mat4 FromAxes(Vec3 x, Vec3 y, Vec3 z, Vec3 origin);
// Inverse of an affine transform (bottom row 0 0 0 1, as every frame transform is);
// a singular one gives the identity.
Mat4 Inverse(const Mat4& a);
Vec3 TransformPoint(const Mat4& a, Vec3 p);
Vec3 TransformDirection(const Mat4& a, Vec3 d);
// The matrix that carries normals: the inverse transpose of the 3x3 block, no translation.
Mat4 NormalMatrix(const Mat4& a);
// Determinant of the upper-left 3x3 block: negative for a mirroring transform.
float Determinant3(const Mat4& a);

}  // namespace ursa::rm
