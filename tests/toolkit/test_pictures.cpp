// BMP pictures for tests, written by SDL's own BMP writer into memory, the same
// format the screen picture is stored in.
#include "test_pictures.hpp"

#include <SDL.h>

#include <stdexcept>

#include "toolkit/color.hpp"
#include "toolkit/surface.hpp"

namespace ursa::tk {

std::vector<uint8_t> MakeBmp(int width, int height,
                             const std::function<uint32_t(int x, int y)>& colorAt) {
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24));
  if (!surface) throw std::runtime_error(SDL_GetError());
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colorAt(x, y);
      row[x * 3] = BlueOf(c);
      row[x * 3 + 1] = GreenOf(c);
      row[x * 3 + 2] = RedOf(c);
    }
  }
  std::vector<uint8_t> bytes(54 + static_cast<size_t>(height) * ((width * 3 + 3) & ~3) + 1024);
  SDL_RWops* rw = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
  if (SDL_SaveBMP_RW(surface.get(), rw, 0) != 0) throw std::runtime_error(SDL_GetError());
  bytes.resize(static_cast<size_t>(SDL_RWtell(rw)));
  SDL_RWclose(rw);
  return bytes;
}

}  // namespace ursa::tk
