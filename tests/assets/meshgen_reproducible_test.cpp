// Regenerating the meshes must give back the committed files byte for byte: the generator
// runs into a temporary directory and every file is compared.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/assets/x_scene.hpp"

namespace ursa::assets_test {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(MeshGenerator, RegeneratesTheCommittedFiles) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("ursa-meshgen-" + std::to_string(::getpid()));
  const std::string command = std::string(URSA_MESHGEN) + " " + dir.string() + " > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(ReadFile(entry.path()), ReadFile(AssetPath(name))) << name << " differs";
    ++files;
  }
  EXPECT_EQ(files, 9);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace ursa::assets_test
