// The program's directory from SDL's base path, with its trailing separator removed.
// SDL_GetBasePath works before SDL_Init, so this needs no window.
#include "toolkit/program_directory.hpp"

#include <SDL.h>

#include "toolkit/error.hpp"

namespace ursa::tk {

std::string ProgramDirectory() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) {
    throw Error(std::string("cannot find the program's directory: ") + SDL_GetError());
  }
  std::string directory = base;
  SDL_free(base);
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  return directory;
}

}  // namespace ursa::tk
