// The hidden SDL2 window and OpenGL context of tests and tools, and the picture box that
// copies what the device shows. SDL's video subsystem is started here and stopped with it.
#include "harness/offscreen_display.hpp"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <string>

#include "view/rm/error.hpp"

namespace ursa::harness {

OffscreenDisplay::OffscreenDisplay(int width, int height) {
  const char* kOperation = "OffscreenDisplay";
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw rm::Error(kOperation, std::string("SDL video: ") + SDL_GetError());
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  window_ = SDL_CreateWindow("ursa offscreen", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                             width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    const std::string why = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw rm::Error(kOperation, "window: " + why);
  }
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    const std::string why = SDL_GetError();
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw rm::Error(kOperation, "OpenGL 3.3 core context: " + why);
  }
}

OffscreenDisplay::~OffscreenDisplay() {
  SDL_GL_MakeCurrent(window_, nullptr);
  SDL_GL_DeleteContext(context_);
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void OffscreenDisplay::SetDisplayMode(int width, int height, int bitsPerPixel) {
  modeWidth_ = width;
  modeHeight_ = height;
  modeBits_ = bitsPerPixel;
}

bool OffscreenDisplay::MakeContextCurrent() {
  return SDL_GL_MakeCurrent(window_, static_cast<SDL_GLContext>(context_)) == 0;
}

void OffscreenPicture::ShowDeviceImage(unsigned texture, int width, int height) {
  last_.width = width;
  last_.height = height;
  last_.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, last_.rgba.data());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glBindTexture(GL_TEXTURE_2D, 0);
  rm::FlipRows(last_);
  ++shows_;
}

}  // namespace ursa::harness
