// ursa-screengen: paints the screen picture and the icons from the game's meshes, writing
// screen.bmp, icon.bmp (the window's) and icons/ursa-SIZE.png (the desktop's).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "harness/image_png.hpp"
#include "tools/screengen/bmp_file.hpp"
#include "tools/screengen/contact_sheet.hpp"
#include "tools/screengen/screens.hpp"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s ASSET_DIRECTORY [OUTPUT_DIRECTORY]\n", argv[0]);
    return 2;
  }
  const std::string assets = argv[1];
  const std::string out = argc == 3 ? argv[2] : assets;
  try {
    using namespace ursa::screengen;
    ShotRenderer renderer(assets);
    TextPainter text;
    if (!WriteFile(out + "/screen.bmp", EncodeBmp24(PaintScreenPicture(renderer, text))) ||
        !WriteFile(out + "/icon.bmp", EncodeBmp32(PaintIcon(renderer)))) {
      std::fprintf(stderr, "ursa-screengen: cannot write into %s\n", out.c_str());
      return 1;
    }
    std::filesystem::create_directories(out + "/icons");
    for (const int size : kDesktopIconSizes) {
      ursa::harness::SavePng(ToImage(PaintIcon(renderer, size)),
                             out + "/icons/ursa-" + std::to_string(size) + ".png");
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ursa-screengen: %s\n", e.what());
    return 1;
  }
  return 0;
}
