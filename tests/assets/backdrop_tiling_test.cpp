// The backdrop tile is laid on a 750-unit grid; what leaves one edge must come back in at
// the opposite edge, or every tile border would show as a seam.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/assets/x_scene.hpp"

namespace ursa::assets_test {
namespace {

constexpr float kHalf = 375;

struct EdgePoint {
  float along, z;
};

std::vector<EdgePoint> PointsOnEdge(const XScene& x, int axis, float at) {
  std::vector<EdgePoint> points;
  for (const WorldTriangle& t : x.Triangles()) {
    for (const aiVector3D& p : t.corners) {
      const float c = axis == 0 ? p.x : p.y;
      if (std::abs(c - at) < 0.01F) {
        points.push_back({axis == 0 ? p.y : p.x, p.z});
      }
    }
  }
  return points;
}

bool Contains(const std::vector<EdgePoint>& points, EdgePoint p) {
  for (const EdgePoint& q : points) {
    if (std::abs(q.along - p.along) < 0.05F && std::abs(q.z - p.z) < 0.05F) {
      return true;
    }
  }
  return false;
}

TEST(Backdrop, OppositeEdgesMatch) {
  XScene x(AssetPath("back.x"));
  ASSERT_TRUE(x.ok()) << x.error();
  for (int axis : {0, 1}) {
    const auto low = PointsOnEdge(x, axis, -kHalf);
    const auto high = PointsOnEdge(x, axis, kHalf);
    // Stones cross the edges, not just the flat mortar behind them.
    int raised = 0;
    for (const EdgePoint& p : low) {
      raised += p.z < -1 ? 1 : 0;
    }
    EXPECT_GT(raised, 10) << "axis " << axis;
    for (const EdgePoint& p : low) {
      EXPECT_TRUE(Contains(high, p)) << p.along << ", " << p.z;
    }
    for (const EdgePoint& p : high) {
      EXPECT_TRUE(Contains(low, p)) << p.along << ", " << p.z;
    }
  }
}

TEST(Backdrop, StaysInItsPlaneFacingTheViewer) {
  XScene x(AssetPath("back.x"));
  ASSERT_TRUE(x.ok()) << x.error();
  const Box box = x.Bounds();
  EXPECT_NEAR(box.hi[2], 0, 0.01F) << "the mortar lies at z = 0";
  EXPECT_GT(box.lo[2], -20) << "stones stand out only a little toward the viewer";
  // Light-weight: a dozen tiles are in view in every frame. The tile's copies beyond the
  // laid wall are its own triangles moved, each a mesh of its own.
  ASSERT_EQ(x.scene().mNumMeshes, 7U);
  for (unsigned i = 0; i < x.scene().mNumMeshes; ++i) {
    EXPECT_EQ(x.scene().mMeshes[i]->mNumFaces, x.scene().mMeshes[0]->mNumFaces);
  }
  EXPECT_LT(x.scene().mMeshes[0]->mNumFaces, 250U);
}

}  // namespace
}  // namespace ursa::assets_test
