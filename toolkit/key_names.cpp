// Key names through SDL's own table, which needs no SDL_Init and ignores letter case.
#include "toolkit/key_names.hpp"

#include <SDL.h>

namespace ursa::tk {

SDL_Keycode KeyFromName(std::string_view name) {
  if (name.empty()) return SDLK_UNKNOWN;
  return SDL_GetKeyFromName(std::string(name).c_str());
}

std::string NameOfKey(SDL_Keycode key) {
  if (key == SDLK_UNKNOWN) return {};
  return SDL_GetKeyName(key);
}

}  // namespace ursa::tk
