// ursa-artsheet: renders every mesh and a few game views into PNG files, adds the two
// screens and the icon as the game shows them, and lays all of it out on a contact sheet.
#include <SDL2/SDL.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "harness/image_png.hpp"
#include "tools/screengen/art_renders.hpp"
#include "tools/screengen/contact_sheet.hpp"
#include "tools/screengen/ending_preview.hpp"

namespace {

// A BMP from the asset directory, as SDL (and so the game) reads it.
ursa::rm::Image LoadBmp(const std::string& path) {
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  if (loaded == nullptr) {
    throw std::runtime_error(path + ": " + SDL_GetError());
  }
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
  SDL_FreeSurface(loaded);
  ursa::rm::Image image{rgba->w, rgba->h, {}};
  for (int y = 0; y < rgba->h; ++y) {
    const auto* row =
        static_cast<const uint8_t*>(rgba->pixels) + static_cast<size_t>(y) * rgba->pitch;
    image.rgba.insert(image.rgba.end(), row, row + static_cast<size_t>(rgba->w) * 4);
  }
  SDL_FreeSurface(rgba);
  return image;
}

// One half of the screen picture, enlarged twice as the game shows it.
ursa::rm::Image ScreenHalf(const ursa::rm::Image& picture, int half) {
  ursa::rm::Image out{picture.width, picture.height / 2, {}};
  const size_t rowBytes = static_cast<size_t>(picture.width) * 4;
  const auto first =
      picture.rgba.begin() + static_cast<std::ptrdiff_t>(rowBytes * out.height * half);
  out.rgba.assign(first, first + static_cast<std::ptrdiff_t>(rowBytes * out.height));
  return ursa::rm::Image(ursa::screengen::ToImage(ursa::screengen::FromImage(out, 2)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ASSET_DIRECTORY OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::string assets = argv[1];
  const std::string out = argv[2];
  try {
    using namespace ursa::screengen;
    ShotRenderer renderer(assets);
    TextPainter text;
    std::vector<NamedRender> renders = RenderArt(renderer);
    const ursa::rm::Image picture = LoadBmp(assets + "/screen.bmp");
    renders.push_back({"title-screen", "title screen (screen.bmp)", ScreenHalf(picture, 0)});
    renders.push_back({"ending-screen", "ending screen (screen.bmp)", ScreenHalf(picture, 1)});
    // As the player sees it after 12345 frames and 3 misses.
    const Canvas ending = FromImage(renders.back().image, 1);
    renders.push_back({"ending-numbers", "ending screen with numbers",
                       ToImage(EndingWithNumbers(ending, text, 12345, 3))});
    for (const auto& render : renders) {
      ursa::harness::SavePng(render.image, out + "/" + render.name + ".png");
    }
    ursa::rm::Image icon = LoadBmp(assets + "/icon.bmp");
    ursa::harness::SavePng(icon, out + "/icon.png");
    renders.push_back({"icon", "icon.bmp", icon});
    ursa::harness::SavePng(ToImage(ContactSheet(renders, text)), out + "/contact-sheet.png");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ursa-artsheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
