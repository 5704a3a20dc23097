// The one SDL window with its OpenGL 3.3 core context: starts hidden, switches between
// the full screen (desktop mode untouched) and a window of a whole multiple of 640 x 480.
#pragma once

#include <SDL.h>

#include <string>

namespace ursa::tk {

class DisplayWindow {
 public:
  // Starts SDL's video and creates the hidden window and its context. Throws Error with the
  // reason and the fix when there is no display or no OpenGL 3.3.
  explicit DisplayWindow(const char* title);
  ~DisplayWindow();
  DisplayWindow(const DisplayWindow&) = delete;
  DisplayWindow& operator=(const DisplayWindow&) = delete;

  void Show();
  bool MakeCurrent();
  void Swap();
  // Full screen at the desktop's own mode, or the largest whole multiple of 640 x 480 that
  // fits the screen's usable area.
  void SetFullscreen(bool fullscreen);
  bool Fullscreen() const { return fullscreen_; }
  // The drawable's size in real pixels (larger than the window's on high-DPI screens).
  void DrawableSize(int& width, int& height) const;
  // A 32 x 32 BMP with alpha; a missing or unreadable file leaves the default icon.
  void SetIcon(const std::string& bmpPath);
  Uint32 Id() const { return SDL_GetWindowID(window_); }

 private:
  void SizeAsWindow();

  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  bool fullscreen_ = false;
};

}  // namespace ursa::tk
