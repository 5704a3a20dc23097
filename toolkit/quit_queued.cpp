// The quit check: SDL turns the quit signals and the last window's close into SDL_QUIT.
// Peeking leaves it in the queue, so the pump still ends the program in the usual way.
#include "toolkit/quit_queued.hpp"

#include <SDL.h>

namespace ursa::tk {

bool QuitQueued() {
  if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return false;
  SDL_PumpEvents();
  return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
}

}  // namespace ursa::tk
