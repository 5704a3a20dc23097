// Freeing an owned SDL surface with SDL's own release call.
// Kept out of the header so that the header needs no SDL.
#include "toolkit/surface.hpp"

#include <SDL.h>

namespace ursa::tk {

void SurfaceDeleter::operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }

}  // namespace ursa::tk
