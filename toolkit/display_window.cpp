// The SDL window and OpenGL context. Presenting never waits for the display refresh, so a
// present cannot push the frame's closing tick read past a tick boundary.
#include "toolkit/display_window.hpp"

#include <algorithm>

#include "toolkit/canvas.hpp"
#include "toolkit/error.hpp"
#include "toolkit/surface.hpp"

namespace ursa::tk {

DisplayWindow::DisplayWindow(const char* title) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw Error(std::string("no display (") + SDL_GetError() +
                "): set DISPLAY or use SDL_VIDEODRIVER=offscreen");
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, Canvas::kWidth,
                             Canvas::kHeight,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
  if (window_ == nullptr) {
    const std::string why = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Error("cannot open the game's window (" + why +
                "): OpenGL 3.3 not available; install Mesa (libgl1-mesa-dri)");
  }
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    const std::string why = SDL_GetError();
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Error("OpenGL 3.3 not available (" + why +
                "): update the graphics driver or run with LIBGL_ALWAYS_SOFTWARE=1");
  }
  SDL_GL_SetSwapInterval(0);
  // The game reads keys, never text; no input method should swallow them.
  SDL_StopTextInput();
}

DisplayWindow::~DisplayWindow() {
  SDL_GL_DeleteContext(context_);
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void DisplayWindow::Show() {
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
}

bool DisplayWindow::MakeCurrent() { return SDL_GL_MakeCurrent(window_, context_) == 0; }

void DisplayWindow::Swap() { SDL_GL_SwapWindow(window_); }

void DisplayWindow::SetFullscreen(bool fullscreen) {
  if (fullscreen) {
    // Cover the screen first: without a window manager to honour the full-screen request
    // (a bare X server), the window would otherwise keep its old size and place.
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &bounds) == 0) {
      SDL_SetWindowPosition(window_, bounds.x, bounds.y);
      SDL_SetWindowSize(window_, bounds.w, bounds.h);
    }
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) {
      fullscreen_ = true;
      // The game is played with the keyboard alone; a pointer would sit on the picture.
      SDL_ShowCursor(SDL_DISABLE);
      return;
    }
    // A screen that refuses full screen still gets the game, in a window.
    SDL_Log("ursa: full screen refused (%s); staying in a window", SDL_GetError());
  }
  SDL_SetWindowFullscreen(window_, 0);
  fullscreen_ = false;
  SDL_ShowCursor(SDL_ENABLE);
  SizeAsWindow();
}

void DisplayWindow::SizeAsWindow() {
  SDL_Rect usable{0, 0, Canvas::kWidth, Canvas::kHeight};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
  SDL_GetDisplayUsableBounds(display, &usable);
  // Leave room for the window's frame and title bar, which the usable area still includes.
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
  const int scale = std::max(1, std::min((usable.w - left - right) / Canvas::kWidth,
                                         (usable.h - top - bottom) / Canvas::kHeight));
  SDL_SetWindowSize(window_, Canvas::kWidth * scale, Canvas::kHeight * scale);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                        SDL_WINDOWPOS_CENTERED_DISPLAY(display));
}

void DisplayWindow::DrawableSize(int& width, int& height) const {
  SDL_GL_GetDrawableSize(window_, &width, &height);
}

void DisplayWindow::SetIcon(const std::string& bmpPath) {
  SurfacePtr icon(SDL_LoadBMP(bmpPath.c_str()));
  if (icon) SDL_SetWindowIcon(window_, icon.get());
}

}  // namespace ursa::tk
