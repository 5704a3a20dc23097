// The mesh generator's geometry helpers: even bevels, clipping that keeps area and winding,
// faces that always look outward, and number formatting that never prints "-0".
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tools/meshgen/clip.hpp"
#include "tools/meshgen/mesh.hpp"
#include "tools/meshgen/relief.hpp"
#include "tools/meshgen/xfile_writer.hpp"

namespace ursa::meshgen {
namespace {

float Area(const Mesh& mesh) {
  float area = 0;
  for (const Triangle& t : mesh.Triangles()) {
    const Vec3 a = mesh.Vertices()[t.a].position;
    const Vec3 b = mesh.Vertices()[t.b].position;
    const Vec3 c = mesh.Vertices()[t.c].position;
    area += Length(Cross(b - a, c - a)) / 2;
  }
  return area;
}

TEST(InsetPolygon, MovesEveryEdgeInByTheSameDistanceWhicheverTheWinding) {
  const std::array<Vec3, 4> ccw{Vec3{0, 0, 0}, Vec3{100, 0, 0}, Vec3{100, 50, 0}, Vec3{0, 50, 0}};
  const std::array<Vec3, 4> cw{ccw[3], ccw[2], ccw[1], ccw[0]};
  for (const auto& outline : {ccw, cw}) {
    float xLo = 1e9F;
    float xHi = -1e9F;
    float yLo = 1e9F;
    float yHi = -1e9F;
    for (const Vec3& p : InsetPolygon(outline, 5)) {
      xLo = std::min(xLo, p.x);
      xHi = std::max(xHi, p.x);
      yLo = std::min(yLo, p.y);
      yHi = std::max(yHi, p.y);
    }
    EXPECT_NEAR(xLo, 5, 1e-4F);
    EXPECT_NEAR(xHi, 95, 1e-4F);
    EXPECT_NEAR(yLo, 5, 1e-4F);
    EXPECT_NEAR(yHi, 45, 1e-4F);
  }
}

TEST(AddFace, FacesAwayFromTheInsidePointWhateverTheCornerOrder) {
  const std::array<Vec3, 4> square{Vec3{0, 0, 0}, Vec3{0, 10, 0}, Vec3{10, 10, 0}, Vec3{10, 0, 0}};
  const std::array<Vec3, 4> reversed{square[3], square[2], square[1], square[0]};
  for (const auto& corners : {square, reversed}) {
    for (float side : {-1.0F, 1.0F}) {
      Mesh mesh("Face");
      mesh.AddFace(corners, 0, {}, {5, 5, 10 * side});
      ASSERT_EQ(mesh.Triangles().size(), 2U);
      for (const Triangle& t : mesh.Triangles()) {
        const Vec3 a = mesh.Vertices()[t.a].position;
        const Vec3 n = Cross(mesh.Vertices()[t.b].position - a, mesh.Vertices()[t.c].position - a);
        EXPECT_LT(n.z * side, 0) << "winding must point away from the inside point";
        EXPECT_LT(mesh.Vertices()[t.a].normal.z * side, 0);
      }
    }
  }
}

TEST(ClipToRectangle, KeepsTheInsideAreaAndTheWinding) {
  Mesh mesh("Tile", true);
  const std::array<Vec3, 4> big{Vec3{-20, -20, 0}, Vec3{20, -20, 0}, Vec3{20, 20, 0},
                                Vec3{-20, 20, 0}};
  mesh.AddFace(big, 0, {}, {0, 0, 1});
  const Mesh clipped = ClipToRectangle(mesh, {-10, -5, 0}, {10, 30, 0});
  EXPECT_NEAR(Area(clipped), 20 * 25, 1e-2F);
  for (const Triangle& t : clipped.Triangles()) {
    const Vec3 a = clipped.Vertices()[t.a].position;
    const Vec3 n =
        Cross(clipped.Vertices()[t.b].position - a, clipped.Vertices()[t.c].position - a);
    EXPECT_LE(n.z, 0) << "still facing -z";
    for (int i : {t.a, t.b, t.c}) {
      const Vec3 p = clipped.Vertices()[i].position;
      EXPECT_GE(p.x, -10 - 1e-4F);
      EXPECT_LE(p.x, 10 + 1e-4F);
      EXPECT_GE(p.y, -5 - 1e-4F);
      EXPECT_LE(p.y, 20 + 1e-4F);
    }
  }
  EXPECT_TRUE(ClipToRectangle(mesh, {30, 30, 0}, {40, 40, 0}).Triangles().empty());
}

TEST(WriteXFile, PrintsFourDecimalsAndNoNegativeZero) {
  Mesh mesh("M");
  const int m = mesh.AddMaterial(Matte({1, 0.5F, 0, 1}));
  const std::array<Vec3, 3> tri{Vec3{-0.00001F, 0, 0}, Vec3{1, 0, 0}, Vec3{0, 1, 0}};
  mesh.AddFace(tri, m, {}, {0, 0, 1});
  const std::string text = WriteXFile(SingleMeshModel("F", mesh));
  EXPECT_EQ(text.rfind("xof 0303txt 0032\n", 0), 0U);
  EXPECT_EQ(text.find("-0.0000"), std::string::npos);
  EXPECT_NE(text.find("1.0000;0.5000;0.0000;1.0000;;"), std::string::npos) << "face colour";
  EXPECT_NE(text.find("MeshMaterialList"), std::string::npos);
  EXPECT_EQ(text.find("MeshVertexColors"), std::string::npos) << "only when asked for";
}

}  // namespace
}  // namespace ursa::meshgen
