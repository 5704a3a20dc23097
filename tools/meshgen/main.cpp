// ursa-meshgen: writes the game's nine mesh files into the directory given on the command
// line (the committed copies live in assets/).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/meshgen/models.hpp"
#include "tools/meshgen/xfile_writer.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (const auto& asset : ursa::meshgen::kMeshAssets) {
    const std::filesystem::path path = dir / asset.fileName;
    const std::string text = ursa::meshgen::WriteXFile(asset.make());
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "ursa-meshgen: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), text.size());
  }
  return 0;
}
