// Damaged .x files that Assimp accepts: numbers that are not finite (as written or once frames
// and keys move them), meshes without a triangle, an animation set missing. Each fails to
// load with an error naming the file and what is wrong, and leaves the scene as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "rm_test_scene.hpp"
#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

using XFileDamageTest = RmTest;

// The text with its first `from` replaced by `to`; fails the test when `from` is not there.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// A test file with its first `from` replaced by `to`.
std::string Damaged(const std::string& file, const std::string& from, const std::string& to) {
  return Replaced(ReadFile(DataFile(file)), from, to);
}

constexpr const char* kIdentityRow = "1.000000,0.000000,0.000000,0.000000,";
constexpr const char* kFirstCubeCorner = "-1.000000;-1.000000;-1.000000;,";
constexpr const char* kFirstLegKey =
    "0;16;1.000000,0.000000,0.000000,0.000000,0.000000,1.000000,0.000000,0.000000,0.000000,0."
    "000000,1.000000,0.000000,0.000000,-3.000000,0.000000,1.000000;;,";

struct Case {
  const char* name;
  std::string text;
  const char* why;
};

void ExpectRejected(const std::string& path, const char* why, const std::function<void()>& load) {
  try {
    load();
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("LoadFromFile: " + path + ": damaged .x file: "), std::string::npos)
        << what;
    EXPECT_NE(what.find(why), std::string::npos) << what;
  }
}

TEST_F(XFileDamageTest, NumbersThatAreNotFiniteAreRejectedAsWrittenAndAsMoved) {
  const Case cases[] = {
      {"nan vertex", Damaged("cube.x", kFirstCubeCorner, "nan;-1.000000;-1.000000;,"),
       "mesh 1 has a vertex that is not a finite number"},
      // Too large for a float: read as infinity.
      {"1e39 vertex", Damaged("cube.x", kFirstCubeCorner, "-1.000000;1e39;-1.000000;,"),
       "mesh 1 has a vertex that is not a finite number"},
      {"nan normal", Damaged("tri_front.x", "0.000000;0.000000;-1.000000;;", "0.0;nan;-1.0;;"),
       "mesh 1 has a normal that is not a finite number"},
      {"nan frame matrix", Damaged("cube.x", kIdentityRow, "nan,0.000000,0.000000,0.000000,"),
       "frame 'Cube' has a matrix that is not finite"},
      {"1e39 frame matrix", Damaged("anim.x", kIdentityRow, "1e39,0.000000,0.000000,0.000000,"),
       "frame 'Body' has a matrix that is not finite"},
      // Each frame's matrix is finite; Arm's place, their product, is not.
      {"frames multiply out of range",
       Replaced(Damaged("anim.x", kIdentityRow, "1e30,0.000000,0.000000,0.000000,"), "3.000000,0.0",
                "3e30,0.0"),
       "frame 'Arm' is placed beyond the range of numbers"},
      {"vertex moved out of range",
       Replaced(Damaged("anim.x", kIdentityRow, "1e30,0.000000,0.000000,0.000000,"),
                "1.000000;0.000000;0.000000;;", "1e30;0.000000;0.000000;;"),
       "mesh 1 in frame 'Body' is moved beyond the range of numbers"},
      {"nan rotation key", Damaged("anim.x", "0;4;1.000000,0.000000", "0;4;nan,0.000000"),
       "the rotation keys of the animation of 'Arm' are not all finite numbers"},
      {"1e39 position key", Damaged("anim.x", "10;3;3.000000,4.000000", "10;3;1e39,4.000000"),
       "the position keys of the animation of 'Arm' are not all finite numbers"},
      // An all-zero matrix has no rotation in it: Assimp makes one that is not a number.
      {"zero matrix key",
       Damaged("anim.x", kFirstLegKey,
               "0;16;0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0."
               "000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000;;,"),
       "the rotation keys of the animation of 'Leg' are not all finite numbers"},
      {"nan material", Damaged("tri_front.x", "1.000000;1.000000;1.000000;;", "1.0;nan;1.0;;"),
       "mesh 1 has a material that is not made of finite numbers"},
  };
  AnimationSetPtr animation = d3drm->CreateAnimationSet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteScratch(std::string("damaged_") + c.name + ".x", c.text);
    MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
    ExpectRejected(path, c.why, [&] { mesh->LoadFromFile(path, 0, 0); });
    EXPECT_EQ(mesh->FaceCount(), 0);
    ExpectRejected(path, c.why, [&] { animation->LoadFromFile(path, 0, 0, scene); });
    EXPECT_EQ(scene->Children().size(), 1U);  // only the camera
  }
}

TEST_F(XFileDamageTest, KeysOutOfTimeOrderAndPosesBeyondRangeAreRejected) {
  const Case cases[] = {
      {"keys out of order",
       Replaced(Damaged("anim.x", "0;3;3.000000,0.000000", "8;3;3.000000,0.000000"),
                "10;3;3.000000,4.000000", "2;3;3.000000,4.000000"),
       "the position keys of the animation of 'Arm' are out of time order"},
      // Each key is finite, but halfway between them the arm is beyond the range of floats.
      {"pose out of range",
       Replaced(Damaged("anim.x", "0;3;3.000000,0.000000", "0;3;-3e38,0.000000"),
                "10;3;3.000000,4.000000", "10;3;3e38,4.000000"),
       "the animation of 'Arm' makes a pose that is not finite at time 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteScratch(std::string("keys_") + c.name + ".x", c.text);
    AnimationSetPtr animation = d3drm->CreateAnimationSet();
    ExpectRejected(path, c.why, [&] { animation->LoadFromFile(path, 0, 0, scene); });
  }
}

TEST_F(XFileDamageTest, MeshesWithoutATriangleAreRejected) {
  const Case cases[] = {
      {"point triangle", Damaged("tri_front.x", "3;0,1,2;;", "3;0,0,0;;"),
       "mesh 1 has no triangle"},
      {"two corners named twice", Damaged("tri_front.x", "3;0,1,2;;", "3;0,1,0;;"),
       "mesh 1 has no triangle"},
      {"a line", Damaged("tri_front.x", "3;0,1,2;;", "2;0,1;;"), "mesh 1 has no triangle"},
      // The importer drops the corner that names a missing vertex.
      {"missing vertex", Damaged("tri_front.x", "3;0,1,2;;", "3;0,1,9;;"),
       "mesh 1 has no triangle"},
      // Three different corners in one place.
      {"no area",
       Damaged("tri_front.x", "0.000000;2.000000;5.000000;,\n  2.000000;0.000000;5.000000;;",
               "0.000000;0.000000;5.000000;,\n  0.000000;0.000000;5.000000;;"),
       "mesh 1 has no triangle"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteScratch(std::string("empty_") + c.name + ".x", c.text);
    MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
    ExpectRejected(path, c.why, [&] { mesh->LoadFromFile(path, 0, 0); });
  }
}

TEST_F(XFileDamageTest, PointsAndLinesBesideTrianglesAreDroppedWithTheirVertices) {
  // A square and a line out to a fifth corner. The corner only the line used goes with it:
  // Assimp gives it a normal that is not a number, and it would stretch the mesh's bounds.
  const std::string text =
      "xof 0303txt 0032\n"
      "Mesh Square {\n"
      "  5;\n"
      "  0.0;0.0;5.0;, 0.0;2.0;5.0;, 2.0;2.0;5.0;, 2.0;0.0;5.0;, 9.0;9.0;5.0;;\n"
      "  2;\n"
      "  4;0,1,2,3;,\n"
      "  2;0,4;;\n"
      "}\n";
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(WriteScratch("square_with_line.x", text), 0, 0);
  EXPECT_EQ(mesh->FaceCount(), 2);
  EXPECT_FLOAT_EQ(mesh->GetBox().max.x, 2.0F);
  ASSERT_EQ(mesh->Parts().size(), 1U);
  const MeshPart& part = mesh->Parts().front();
  EXPECT_EQ(part.vertices.size(), 4U);
  for (const Vertex& v : part.vertices) {
    EXPECT_FLOAT_EQ(v.normal.z, -1.0F);
  }
  for (uint32_t index : part.indices) EXPECT_LT(index, part.vertices.size());
}

TEST_F(XFileDamageTest, AnAnimationSetNeedsAnAnimationThatMovesItsFrames) {
  std::string still = ReadFile(DataFile("anim.x"));
  still.erase(still.find("AnimationSet Walk"));
  const Case cases[] = {
      {"no animation set", still, "the file has no animation set"},
      {"animation of other frames",
       Replaced(Damaged("anim.x", "{ Arm }", "{ Tail }"), "{ Leg }", "{ Wing }"),
       "the file's animation set moves none of its frames"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteScratch(std::string("anim_") + c.name + ".x", c.text);
    AnimationSetPtr animation = d3drm->CreateAnimationSet();
    try {
      animation->LoadFromFile(path, 0, 0, scene);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "LoadFromFile: " + path + ": " + c.why);
    }
    EXPECT_EQ(scene->Children().size(), 1U);  // only the camera
    // The same file is a sound still mesh.
    MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
    mesh->LoadFromFile(path, 0, 0);
    EXPECT_EQ(mesh->FaceCount(), 1);
  }
}

}  // namespace
}  // namespace ursa::rm
