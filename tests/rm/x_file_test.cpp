// .x loading tests: the file's left-handed space survives the importer, each file is parsed
// once, and missing, damaged or oversized files fail cleanly with rm::Error.
#include "view/rm/x_file.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "rm_test_scene.hpp"

namespace ursa::rm {
namespace {

namespace fs = std::filesystem;

using XFileTest = RmTest;

TEST_F(XFileTest, FilePositiveZStaysAwayFromTheViewerAndFrontsStayClockwise) {
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(DataFile("tri_front.x"), 0, 0);
  const Box box = mesh->GetBox();
  EXPECT_FLOAT_EQ(box.min.z, 5.0F);
  EXPECT_FLOAT_EQ(box.max.z, 5.0F);
  EXPECT_FLOAT_EQ(box.max.x, 2.0F);
  EXPECT_FLOAT_EQ(box.max.y, 2.0F);
  // The triangle's corners in drawing order turn clockwise seen from -z: their cross product
  // points back at the viewer, as the file's normal does.
  const MeshPart& part = mesh->Parts().front();
  ASSERT_EQ(part.indices.size(), 3u);
  const Vec3 a = part.vertices[part.indices[0]].position;
  const Vec3 b = part.vertices[part.indices[1]].position;
  const Vec3 c = part.vertices[part.indices[2]].position;
  EXPECT_LT(Cross(b - a, c - a).z, 0.0F);
  EXPECT_FLOAT_EQ(part.vertices[0].normal.z, -1.0F);
}

// The binary form of a one-triangle mesh: tokens of names, integer lists and float lists.
std::string BinaryTriangle(const std::array<float, 9>& corners) {
  std::string out = "xof 0303bin 0032";
  auto word = [&](uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
  auto dword = [&](uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
  auto name = [&](const std::string& text) {
    word(1);
    dword(static_cast<uint32_t>(text.size()));
    out += text;
  };
  name("Mesh");
  name("Triangle");
  word(10);  // {
  word(6);   // integer list: the vertex count
  dword(1);
  dword(3);
  word(7);  // float list: the corners
  dword(9);
  for (float f : corners) out.append(reinterpret_cast<const char*>(&f), 4);
  word(6);  // integer list: one face of three corners
  dword(5);
  for (uint32_t v : {1u, 3u, 0u, 1u, 2u}) dword(v);
  word(11);  // }
  return out;
}

TEST_F(XFileTest, BinaryFilesKeepTheSameSpaceAsText) {
  const std::string path =
      WriteScratch("binary_triangle.x", BinaryTriangle({0, 0, 5, 0, 2, 5, 2, 0, 5}));
  MeshBuilderPtr binary = d3drm->CreateMeshBuilder();
  binary->LoadFromFile(path, 0, 0);
  MeshBuilderPtr text = d3drm->CreateMeshBuilder();
  text->LoadFromFile(DataFile("tri_front.x"), 0, 0);
  const MeshPart& b = binary->Parts().front();
  const MeshPart& t = text->Parts().front();
  ASSERT_EQ(b.indices.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    const Vec3 pb = b.vertices[b.indices[k]].position;
    const Vec3 pt = t.vertices[t.indices[k]].position;
    EXPECT_EQ(pb.x, pt.x);
    EXPECT_EQ(pb.y, pt.y);
    EXPECT_EQ(pb.z, pt.z);
  }
}

TEST_F(XFileTest, FrameMatricesAndMaterialsComeThrough) {
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  // anim.x's body mesh lies in its frame, which the file moves to (0, 1, 2).
  mesh->LoadFromFile(DataFile("anim.x"), 0, 0);
  const Box box = mesh->GetBox();
  EXPECT_FLOAT_EQ(box.min.y, 1.0F);
  EXPECT_FLOAT_EQ(box.min.z, 2.0F);
  EXPECT_FLOAT_EQ(box.max.z, 2.0F);

  MeshBuilderPtr front = d3drm->CreateMeshBuilder();
  front->LoadFromFile(DataFile("tri_front.x"), 0, 0);
  const Material& m = front->Parts().front().material;
  EXPECT_EQ(m.diffuse, (Color{0, 0, 0}));
  EXPECT_EQ(m.emissive, (Color{1, 1, 1}));
  EXPECT_EQ(front->FaceCount(), 1);

  MeshBuilderPtr cube = d3drm->CreateMeshBuilder();
  cube->LoadFromFile(DataFile("cube.x"), 0, 0);
  EXPECT_EQ(cube->FaceCount(), 12);  // six quads, triangulated
}

TEST_F(XFileTest, EachFileIsParsedOnceAndEachBuilderOwnsItsCopy) {
  const std::string path = WriteScratch("once.x", ReadFile(DataFile("cube.x")));
  MeshBuilderPtr first = d3drm->CreateMeshBuilder();
  first->LoadFromFile(path, 0, 0);
  const int parses = XFileParseCount();
  MeshBuilderPtr second = d3drm->CreateMeshBuilder();
  second->LoadFromFile(path, 0, 0);
  EXPECT_EQ(XFileParseCount(), parses);
  first->SetColorRGB(0.25F, 0.5F, 0.75F);
  EXPECT_EQ(second->Parts().front().material.diffuse, (Color{1, 1, 1}));
  MeshBuilderPtr third = d3drm->CreateMeshBuilder();
  third->LoadFromFile(path, 0, 0);
  EXPECT_EQ(third->Parts().front().material.diffuse, (Color{1, 1, 1}));
}

TEST_F(XFileTest, BackslashBeforeTheFileNameIsADirectorySeparator) {
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(std::string(URSA_RM_TEST_DATA) + "\\cube.x", 0, 0);
  EXPECT_EQ(mesh->FaceCount(), 12);
}

TEST_F(XFileTest, BadFilesFailWithAClearErrorAndLeaveTheBuilderAsItWas) {
  const std::string cube = ReadFile(DataFile("cube.x"));
  struct Case {
    const char* name;
    std::string path;
    const char* why;
  };
  const Case cases[] = {
      {"missing", (Scratch() / "no_such_mesh.x").string(), "file not found"},
      {"folder", Scratch().string(), "not a regular file"},
      {"empty", WriteScratch("empty.x", ""), "not a readable .x file"},
      {"truncated", WriteScratch("truncated.x", cube.substr(0, cube.size() / 2)),
       "not a readable .x file"},
      {"garbage", WriteScratch("garbage.x", "xof 0303txt 0032\nMesh { 3; 1.0; }}}{{ ;;;"),
       "not a readable .x file"},
      {"not x", WriteScratch("text.x", "this is not a mesh file at all\n"),
       "not a readable .x file"},
      {"bad binary", WriteScratch("binary.x", std::string("xof 0303bin 0032\x01\x02\xff\xff", 20)),
       "not a readable .x file"},
  };
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(DataFile("cube.x"), 0, 0);
  AnimationSetPtr animation = d3drm->CreateAnimationSet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      mesh->LoadFromFile(c.path, 0, 0);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find("LoadFromFile: "), std::string::npos) << what;
      EXPECT_NE(what.find(c.path), std::string::npos) << what;
      EXPECT_NE(what.find(c.why), std::string::npos) << what;
    }
    EXPECT_EQ(mesh->FaceCount(), 12);
    EXPECT_THROW(animation->LoadFromFile(c.path, 0, 0, scene), Error);
    EXPECT_EQ(scene->Children().size(), 1u);  // only the camera
  }
}

TEST_F(XFileTest, HugeCountsInATinyFileFailWithoutExhaustingMemory) {
  // Read as they stand, these would make the importer reserve tens of gigabytes.
  const std::string triangle = "3;\n0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;;\n";
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"vertices", "xof 0303txt 0032\nMesh M {\n2000000000;\n0.0;0.0;0.0;,\n"},
      {"faces", "xof 0303txt 0032\nMesh M {\n" + triangle + "2000000000;\n3;0,1,2;;\n}\n"},
  };
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteScratch(std::string("huge_") + c.name + ".x", c.text);
    try {
      mesh->LoadFromFile(path, 0, 0);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("LoadFromFile: " + path + ": "), std::string::npos)
          << e.what();
    }
  }
}

TEST(XFileSerialTest, DamagedBytesFromTheImporterAreRejected) {
  XFile file;
  file.meshes.resize(1);
  file.meshes[0].vertices.resize(3);
  file.meshes[0].indices = {0, 1, 2};
  file.roots.push_back({"Root", Mat4{}, {0}, {}});
  file.animations.push_back({"Walk", {{"Root", {{0, {1, 2, 3}}}, {}, {}}}});
  const std::string bytes = SerializeXFile(file);
  const XFile back = DeserializeXFile(bytes);
  EXPECT_EQ(back.meshes[0].indices, file.meshes[0].indices);
  EXPECT_EQ(back.roots[0].name, "Root");
  EXPECT_EQ(back.animations[0].channels[0].positions[0].value.z, 3.0F);
  for (size_t cut : {size_t{0}, size_t{7}, bytes.size() / 2, bytes.size() - 1}) {
    EXPECT_THROW(DeserializeXFile(bytes.substr(0, cut)), XFileRejected) << cut;
  }
  EXPECT_THROW(DeserializeXFile(bytes + "x"), XFileRejected);
  // A face naming a vertex that is not there.
  file.meshes[0].indices = {0, 1, 3};
  EXPECT_THROW(DeserializeXFile(SerializeXFile(file)), XFileRejected);
}

TEST_F(XFileTest, FilesOverSixteenMebibytesAreRefusedUnread) {
  const fs::path path = Scratch() / "huge.x";
  {
    std::ofstream out(path, std::ios::binary);
    out << "xof 0303txt 0032\n";
  }
  fs::resize_file(path, kMaxXFileBytes + 1);
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  try {
    mesh->LoadFromFile(path.string(), 0, 0);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("larger than 16 MiB"), std::string::npos) << e.what();
  }
  fs::remove(path);
}

}  // namespace
}  // namespace ursa::rm
