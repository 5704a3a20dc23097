// Key names through SDL's own table, which needs no SDL_Init and ignores letter case.
// The game's key-script names Enter and Esc are accepted too, since players read them in the help.
#include "toolkit/key_names.hpp"

#include <SDL.h>

#include <algorithm>
#include <cctype>

namespace ursa::tk {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

SDL_Keycode KeyFromName(std::string_view name) {
  if (name.empty()) return SDLK_UNKNOWN;
  if (SameIgnoringCase(name, "Enter")) return SDLK_RETURN;
  if (SameIgnoringCase(name, "Esc")) return SDLK_ESCAPE;
  return SDL_GetKeyFromName(std::string(name).c_str());
}

std::string NameOfKey(SDL_Keycode key) {
  if (key == SDLK_UNKNOWN) return {};
  return SDL_GetKeyName(key);
}

}  // namespace ursa::tk
