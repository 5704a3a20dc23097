// SurfacePtr: an owned SDL surface, named without including SDL, so that the drawing types
// built on it (canvas, image) can be used by code that knows nothing of SDL.
#pragma once

#include <memory>

struct SDL_Surface;

namespace ursa::tk {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const;
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace ursa::tk
