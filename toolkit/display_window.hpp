// The one SDL window with its OpenGL 3.3 core context: starts hidden, switches between
// the full screen (desktop mode untouched) and a window of a whole multiple of 640 x 480.
#pragma once

#include <SDL.h>
#include <signal.h>

#include <functional>
#include <string>
#include <utility>

#include "toolkit/x11_window.hpp"

namespace ursa::tk {

// The frame a window manager draws around the window (title bar and edges), in pixels.
struct WindowFrame {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
};

// A frame as wide as common desktops draw, assumed while the window manager has not yet said
// what it draws (it reports nothing before the window is framed, and nothing in full screen).
inline constexpr WindowFrame kAssumedFrame{40, 8, 8, 8};

// The largest whole multiple of 640 x 480 whose window, with `frame` around it, fits the
// usable desktop area; 1 where not even 640 x 480 fits.
int WindowScale(int usableWidth, int usableHeight, const WindowFrame& frame);

class DisplayWindow {
 public:
  // Starts SDL's video and creates the hidden window and its context, full screen from the
  // start when `fullscreen` says so (the window manager then never shows it as a window
  // first). Throws Error with the reason and the fix when there is no display or no OpenGL
  // 3.3. SDL's headless drivers (offscreen, dummy) count as no display unless SDL_VIDEODRIVER
  // names them. While the window exists, SIGHUP (the terminal closed) quits like SIGTERM: a
  // quit event. SIGTERM, SIGINT and SIGHUP are unblocked for the calling thread.
  explicit DisplayWindow(const char* title, bool fullscreen = false);
  ~DisplayWindow();
  DisplayWindow(const DisplayWindow&) = delete;
  DisplayWindow& operator=(const DisplayWindow&) = delete;

  void Show();
  bool MakeCurrent();
  void Swap();
  // Full screen at the desktop's own mode, or the largest whole multiple of 640 x 480 that
  // fits the screen's usable area with the window's frame. The window can be resized.
  void SetFullscreen(bool fullscreen);
  // The size the window takes when it is not full screen (the player's last one); 0 x 0
  // means the largest whole multiple of 640 x 480 that fits. Never larger than the desktop.
  void SetPreferredSize(int width, int height) {
    preferredWidth_ = width;
    preferredHeight_ = height;
  }
  bool Fullscreen() const { return fullscreen_; }
  // The window's size as a window: now, or in full screen the size it goes back to. 0 x 0
  // in full screen when that is the largest whole multiple that fits.
  void WindowedSize(int& width, int& height) const;
  // To be called on each of the window's events: once the window manager has framed the
  // window, a window sized on an assumed frame is sized again on the real one.
  void FollowFrame();
  // To be called on each SDL_SYSWMEVENT: notes the window destroyed from outside.
  void See(const SDL_Event& event) { watch_.See(event); }
  // The window was destroyed from outside (another X client): true once. The program should
  // take it as the window being closed; drawing to it meanwhile does no harm.
  bool TakeGone() { return watch_.TakeGone(); }
  bool Gone() const { return watch_.Gone(); }
  // Asks X whether the window still exists (a round trip); false once it is gone.
  bool StillThere() { return watch_.StillThere(); }
  // What to do before the program ends because the display cut the connection.
  void OnConnectionLost(std::function<void()> lastWords) {
    watch_.OnConnectionLost(std::move(lastWords));
  }
  // The drawable's size in real pixels (larger than the window's on high-DPI screens).
  void DrawableSize(int& width, int& height) const;
  // Pictures a second the window's screen shows; 60 where the screen does not say.
  int RefreshRate() const;
  // A 32 x 32 BMP with alpha; a missing or unreadable file leaves the default icon.
  void SetIcon(const std::string& bmpPath);
  Uint32 Id() const { return SDL_GetWindowID(window_); }

 private:
  void SizeAsWindow();
  // The frame as the window manager reports it; false while it has reported none.
  bool ReportedFrame(WindowFrame& frame) const;

  // Made first and ended last: it covers SDL's video from start to end.
  XWindowWatch watch_;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  // What SIGHUP did before the window; restored with it when this window set the quit.
  struct sigaction hangupBefore_ {};
  bool hangupQuits_ = false;
  bool fullscreen_ = false;
  // Sized on kAssumedFrame: the real frame is still to come.
  bool frameAssumed_ = false;
  int preferredWidth_ = 0;
  int preferredHeight_ = 0;
  // The size SizeAsWindow gave the window: any other is the player's (or the window manager's).
  int sizedWidth_ = 0;
  int sizedHeight_ = 0;
};

}  // namespace ursa::tk
