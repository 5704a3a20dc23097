// Fatal errors: stderr, a message box when a player could otherwise miss the message,
// and exit status 1.
#include "toolkit/fatal.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ursa::tk {
namespace {

// Headless runs have nobody to click a message box away, and the box would block.
bool HasRealDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) driver = SDL_getenv("SDL_VIDEODRIVER");
  if (driver != nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    return false;
  }
  return driver != nullptr || SDL_getenv("DISPLAY") != nullptr ||
         SDL_getenv("WAYLAND_DISPLAY") != nullptr;
}

}  // namespace

void Fatal(const std::string& message) {
  std::fprintf(stderr, "ursa: %s\n", message.c_str());
  std::fflush(stderr);
  if (HasRealDisplay()) {
    // A full-screen game window would hide the message box behind it.
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
      for (Uint32 id = 1; id <= 8; ++id) {
        if (SDL_Window* window = SDL_GetWindowFromID(id)) SDL_HideWindow(window);
      }
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Ursa", message.c_str(), nullptr);
  }
  std::exit(1);
}

}  // namespace ursa::tk
