// Image1: a picture decoded by SDL's BMP reader and kept in one known pixel format,
// so the scaled copy reads every picture the same way.
#include "toolkit/image.hpp"

#include <SDL.h>

#include <cstdint>

#include "toolkit/color.hpp"
#include "toolkit/error.hpp"

namespace ursa::tk {

void Image::LoadFromFile(const std::string& path) { Take(SDL_LoadBMP(path.c_str()), path); }

void Image::LoadFromMemory(const void* data, size_t size) {
  if (data == nullptr || size == 0 || size > static_cast<size_t>(INT32_MAX)) {
    throw Error("cannot load the built-in picture: it is empty");
  }
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  Take(rw != nullptr ? SDL_LoadBMP_RW(rw, 1) : nullptr, "the built-in picture");
}

void Image::Take(SDL_Surface* loaded, const std::string& source) {
  SurfacePtr raw(loaded);
  if (!raw) throw Error("cannot load the picture " + source + ": " + SDL_GetError());
  SurfacePtr converted(SDL_ConvertSurfaceFormat(raw.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!converted) throw Error("cannot convert the picture " + source + ": " + SDL_GetError());
  surface_ = std::move(converted);
}

int Image::Width() const { return surface_ ? surface_->w : 0; }
int Image::Height() const { return surface_ ? surface_->h : 0; }

uint32_t Image::Pixel(int x, int y) const {
  const auto* row = static_cast<const uint8_t*>(surface_->pixels) + y * surface_->pitch;
  const uint32_t argb = reinterpret_cast<const uint32_t*>(row)[x];
  return PackColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

}  // namespace ursa::tk
