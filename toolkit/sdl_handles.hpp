// Owning smart pointers for the SDL and SDL_ttf objects the toolkit keeps.
// Each frees its object with the library's own release call.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace ursa::tk {

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
struct FontDeleter {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using FontPtr = std::unique_ptr<TTF_Font, FontDeleter>;

}  // namespace ursa::tk
