// Small vector, colour and 4x4 matrix types for building the game's meshes.
// Matrices follow the mesh files' convention: row vectors, translation in the fourth row.
#pragma once

#include <array>
#include <cmath>

namespace ursa::meshgen {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Normalize(Vec3 a) {
  const float len = Length(a);
  return len > 0 ? a * (1.0F / len) : Vec3{0, 0, 0};
}
inline Vec3 Lerp(Vec3 a, Vec3 b, float t) { return a + (b - a) * t; }

struct Rgba {
  float r = 1, g = 1, b = 1, a = 1;
};

inline Rgba Scale(Rgba c, float s) { return {c.r * s, c.g * s, c.b * s, c.a}; }
inline Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

// A transform applied as p' = p * M; m[row * 4 + column].
struct Mat4 {
  std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  static Mat4 Translation(Vec3 t);
  // Rotations by `radians`; positive turns y toward z (RotationX), z toward x (RotationY)
  // and x toward y (RotationZ).
  static Mat4 RotationX(float radians);
  static Mat4 RotationY(float radians);
  static Mat4 RotationZ(float radians);

  Vec3 TransformPoint(Vec3 p) const;
  Vec3 TransformDirection(Vec3 d) const;
};

// The transform that applies `first`, then `second`.
Mat4 Then(const Mat4& first, const Mat4& second);

}  // namespace ursa::meshgen
