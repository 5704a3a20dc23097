// ursa-artsheet: renders every mesh and a few game views into PNG files (docs/art).
#include <cstdio>
#include <exception>

#include "art_renders.hpp"
#include "view/rm/image_png.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ASSET_DIRECTORY OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  try {
    ursa::screengen::ShotRenderer renderer(argv[1]);
    for (const auto& render : ursa::screengen::RenderArt(renderer)) {
      ursa::rm::SavePng(render.image, std::string(argv[2]) + "/" + render.name + ".png");
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ursa-artsheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
