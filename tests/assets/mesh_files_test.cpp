// The nine mesh files load, have the sizes the game's rules assume, face the right way and
// stay small.
#include "view/mesh_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/assets/x_scene.hpp"

namespace ursa::assets_test {
namespace {

struct Extent {
  const char* file;
  float xLo, xHi, yLo, yHi;
  float zMin;  // the model must have at least this much depth in z
};

// What each object occupies in its own space, from the collision rules: blocks span
// x -75..75 and y 0..150; a sinking platform x -50..50 with its top at 140; spikes hurt
// a 75-tall player whose feet come within 55 in x and from 120 below to 5 above, which
// is the bar x -55..55, y -45..5; backdrop tiles are laid 750 apart, 12 by 4, and each
// carries copies of itself one laid wall (9000 by 3000) away.
const Extent kExtents[] = {
    {"block.x", -75, 75, 0, 150, 140},   {"block2.x", -75, 75, 0, 150, 140},
    {"block3.x", -50, 50, 100, 140, 80}, {"toge.x", -55, 55, -45, 5, 20},
    {"door.x", -64, 64, 0, 212, 20},     {"light.x", -19, 19, 0, 247, 20},
    {"arrow.x", -44, 48, 0, 106, 10},    {"back.x", -9375, 9375, -3375, 3375, 5},
};

class MeshExtent : public ::testing::TestWithParam<Extent> {};

TEST_P(MeshExtent, BoundsMatchTheRules) {
  const Extent& e = GetParam();
  XScene x(AssetPath(e.file));
  ASSERT_TRUE(x.ok()) << x.error();
  const Box box = x.Bounds();
  constexpr float kTolerance = 2.0F;
  EXPECT_NEAR(box.lo[0], e.xLo, kTolerance);
  EXPECT_NEAR(box.hi[0], e.xHi, kTolerance);
  EXPECT_NEAR(box.lo[1], e.yLo, kTolerance);
  EXPECT_NEAR(box.hi[1], e.yHi, kTolerance);
  EXPECT_GE(box.hi[2] - box.lo[2], e.zMin);
}

INSTANTIATE_TEST_SUITE_P(AllStaticMeshes, MeshExtent, ::testing::ValuesIn(kExtents),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

// The assets folder holds the game's meshes and no other: the build installs every .x file
// in it beside the program.
TEST(MeshFiles, TheAssetsFolderHoldsExactlyTheGamesMeshes) {
  std::set<std::string> inFolder;
  for (const auto& entry : std::filesystem::directory_iterator(URSA_ASSETS_DIR)) {
    if (entry.path().extension() == ".x") inFolder.insert(entry.path().filename().string());
  }
  const std::set<std::string> listed(view::kMeshFiles.begin(), view::kMeshFiles.end());
  EXPECT_EQ(inFolder, listed);
}

class MeshFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MeshFile, IsASmallTextMeshFile) {
  const std::string path = AssetPath(GetParam());
  EXPECT_LT(std::filesystem::file_size(path), 512U * 1024U);
  XScene x(path);
  ASSERT_TRUE(x.ok()) << x.error();
  EXPECT_GT(x.scene().mNumMeshes, 0U);
}

// Front faces are wound clockwise seen from the front; with back faces culled, a face
// wound the other way would vanish. Every sizeable triangle's winding must agree with its
// normals.
TEST_P(MeshFile, TrianglesFaceTheWayTheirNormalsPoint) {
  XScene x(AssetPath(GetParam()));
  ASSERT_TRUE(x.ok()) << x.error();
  int checked = 0;
  for (const WorldTriangle& t : x.Triangles()) {
    const aiVector3D n = (t.corners[1] - t.corners[0]) ^ (t.corners[2] - t.corners[0]);
    if (n.Length() < 0.05F) {
      continue;
    }
    const aiVector3D average = t.normals[0] + t.normals[1] + t.normals[2];
    ASSERT_GT(n * average, 0.0F) << "triangle at " << t.corners[0].x << ", " << t.corners[0].y
                                 << ", " << t.corners[0].z;
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

// Seen from the camera (in front, at z < 0), the face of a block closest to the viewer
// must be a front face: its normal points to -z.
TEST_P(MeshFile, NearestFacesLookAtTheViewer) {
  XScene x(AssetPath(GetParam()));
  ASSERT_TRUE(x.ok()) << x.error();
  float nearestZ = 1e30F;
  aiVector3D nearestNormal;
  for (const WorldTriangle& t : x.Triangles()) {
    const float z = (t.corners[0].z + t.corners[1].z + t.corners[2].z) / 3;
    if (z < nearestZ) {
      nearestZ = z;
      nearestNormal = t.normals[0];
    }
  }
  EXPECT_LT(nearestNormal.z, 0.0F);
}

INSTANTIATE_TEST_SUITE_P(AllMeshes, MeshFile, ::testing::ValuesIn(view::kMeshFiles),
                         [](const auto& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

// Stage 10 recolours sinking platforms one by one; that only works when the platform's
// whole colour comes from one material.
TEST(SinkingPlatform, HasOneMaterialAndNoVertexColors) {
  XScene x(AssetPath("block3.x"));
  ASSERT_TRUE(x.ok()) << x.error();
  EXPECT_EQ(x.scene().mNumMaterials, 1U);
  for (unsigned i = 0; i < x.scene().mNumMeshes; ++i) {
    EXPECT_FALSE(x.scene().mMeshes[i]->HasVertexColors(0));
  }
}

// Without ambient light, faces turned away from the light show only their emissive
// colour; none may be pure black.
TEST(Materials, EveryMaterialGlowsALittle) {
  for (const char* file : view::kMeshFiles) {
    XScene x(AssetPath(file));
    ASSERT_TRUE(x.ok()) << file;
    for (unsigned i = 0; i < x.scene().mNumMaterials; ++i) {
      aiColor3D emissive;
      x.scene().mMaterials[i]->Get(AI_MATKEY_COLOR_EMISSIVE, emissive);
      EXPECT_GT(emissive.r + emissive.g + emissive.b, 0.02F) << file << " material " << i;
    }
  }
}

}  // namespace
}  // namespace ursa::assets_test
