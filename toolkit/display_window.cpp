// The SDL window and OpenGL context. Presenting never waits for the display refresh, so a
// present cannot push the frame's closing tick read past a tick boundary.
#include "toolkit/display_window.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "toolkit/canvas.hpp"
#include "toolkit/error.hpp"
#include "toolkit/surface.hpp"

namespace ursa::tk {
namespace {

// SDL_VIDEODRIVER (or its hint) names `driver`, alone or in its comma-separated list.
bool DriverAskedFor(std::string_view driver) {
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  std::string_view list = asked != nullptr ? asked : "";
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    if (name.size() == driver.size() &&
        SDL_strncasecmp(name.data(), driver.data(), name.size()) == 0) {
      return true;
    }
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

// With no desktop to talk to, SDL falls back to a driver that shows nothing: the game would
// then run where nobody can see it and never end. Tests and tools ask for those by name.
bool ShowsNothingUnasked() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return false;
  const std::string_view name(driver);
  return (name == "offscreen" || name == "dummy") && !DriverAskedFor(name);
}

// Where SDL looked for a desktop: "DISPLAY=:1, WAYLAND_DISPLAY unset".
std::string DesktopVariables() {
  std::string said;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = SDL_getenv(name);
    said += said.empty() ? "" : ", ";
    said += name;
    said += value != nullptr ? std::string("=") + value : std::string(" unset");
  }
  return said;
}

// A Wayland desktop is reached through WAYLAND_DISPLAY as a full path, or through a socket in
// the session folder XDG_RUNTIME_DIR (which must be a full path).
bool WaylandReachable() {
  const char* display = SDL_getenv("WAYLAND_DISPLAY");
  const char* session = SDL_getenv("XDG_RUNTIME_DIR");
  return (display != nullptr && display[0] == '/') || (session != nullptr && session[0] == '/');
}

// Starts SDL's video on the first of its drivers that finds a desktop. Where no Wayland
// desktop can be reached, Wayland is left out of the search unless the player names the
// drivers: its library would only print a complaint about the session folder ahead of the
// game's own message.
bool StartVideo() {
  if (SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr || WaylandReachable()) {
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  }
  std::string drivers;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string_view name = SDL_GetVideoDriver(i);
    if (name == "wayland") continue;
    if (!drivers.empty()) drivers += ',';
    drivers += name;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
  const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  // The list is the game's, not the player's: the headless drivers in it were not asked for.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
  return started;
}

// An OpenGL library SDL opens at run time (no link names it, so nothing installed it with the
// game), and the Debian package that has it.
struct GlLibrary {
  std::string file;
  const char* package;
};

// The libraries behind the window's OpenGL with the video driver in use: the dispatch library
// (GLX's libGL on X11; libEGL on Wayland, KMS and offscreen), which SDL's variables may name
// otherwise, then Mesa's library behind it.
std::vector<GlLibrary> GlLibraries() {
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool glx = driver != nullptr && std::string_view(driver) == "x11" &&
                   SDL_GetHintBoolean(SDL_HINT_VIDEO_X11_FORCE_EGL, SDL_FALSE) == SDL_FALSE;
  const char* named = SDL_getenv(glx ? "SDL_VIDEO_GL_DRIVER" : "SDL_VIDEO_EGL_DRIVER");
  if (glx) {
    return {{named != nullptr ? named : "libGL.so.1", "libgl1"},
            {"libGLX_mesa.so.0", "libglx-mesa0"}};
  }
  return {{named != nullptr ? named : "libEGL.so.1", "libegl1"},
          {"libEGL_mesa.so.0", "libegl-mesa0"}};
}

// "libEGL.so.1 cannot be loaded (why); install libegl1" for the first of those libraries that
// does not load; empty when they all do.
std::string MissingGlLibrary() {
  for (const GlLibrary& library : GlLibraries()) {
    void* handle = dlopen(library.file.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle != nullptr) {
      dlclose(handle);
      continue;
    }
    const char* why = dlerror();
    return library.file + " cannot be loaded (" + (why != nullptr ? why : "not found") +
           "); install " + library.package;
  }
  return {};
}

// A closed terminal hangs the game up; SDL turns SIGTERM into a quit event, and so the game
// ends as when its window is closed. raise() is async-signal-safe.
extern "C" void QuitOnHangup(int /*signal*/) { raise(SIGTERM); }

}  // namespace

int WindowScale(int usableWidth, int usableHeight, const WindowFrame& frame) {
  const int across = (usableWidth - frame.left - frame.right) / Canvas::kWidth;
  const int down = (usableHeight - frame.top - frame.bottom) / Canvas::kHeight;
  return std::max(1, std::min(across, down));
}

DisplayWindow::DisplayWindow(const char* title, bool fullscreen) {
  if (!StartVideo()) {
    throw Error(std::string("no display (") + SDL_GetError() +
                "): set DISPLAY or use SDL_VIDEODRIVER=offscreen");
  }
  if (ShowsNothingUnasked()) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Error("no display: no desktop answered (" + DesktopVariables() +
                "); start the game from a desktop session or set DISPLAY "
                "(SDL_VIDEODRIVER=offscreen runs it unseen, for tests)");
  }
#ifdef __EMSCRIPTEN__
  // The browser's WebGL 2 is OpenGL ES 3.0, which the game's GL code keeps to.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
#else
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
#endif
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  // Resizable: a window manager may maximise or resize it; the picture keeps its shape. Made
  // full screen, it asks for full screen before it is first shown, and covers the screen
  // itself for a bare X server, where no window manager honours the request.
  SDL_Rect place{static_cast<int>(SDL_WINDOWPOS_CENTERED), static_cast<int>(SDL_WINDOWPOS_CENTERED),
                 Canvas::kWidth, Canvas::kHeight};
  if (fullscreen) SDL_GetDisplayBounds(0, &place);
  window_ =
      SDL_CreateWindow(title, place.x, place.y, place.w, place.h,
                       SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI |
                           SDL_WINDOW_RESIZABLE | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
  if (window_ == nullptr) {
    const std::string why = SDL_GetError();
    const std::string missing = MissingGlLibrary();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Error("cannot open the game's window (" + why + "): OpenGL 3.3 not available; " +
                (missing.empty() ? "install Mesa (libgl1-mesa-dri)" : missing));
  }
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    const std::string why = SDL_GetError();
    const std::string missing = MissingGlLibrary();
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Error("OpenGL 3.3 not available (" + why + "): " +
                (missing.empty() ? "update the graphics driver or run with LIBGL_ALWAYS_SOFTWARE=1"
                                 : missing));
  }
  fullscreen_ = fullscreen;
  watch_.Watch(window_);
  SDL_GL_SetSwapInterval(0);
  // The game reads keys, never text; no input method should swallow them.
  SDL_StopTextInput();
  // A hang-up that is ignored (nohup) or already handled stays so.
  sigaction(SIGHUP, nullptr, &hangupBefore_);
  if ((hangupBefore_.sa_flags & SA_SIGINFO) == 0 && hangupBefore_.sa_handler == SIG_DFL) {
    struct sigaction quit {};
    quit.sa_handler = QuitOnHangup;
    sigemptyset(&quit.sa_mask);
    hangupQuits_ = sigaction(SIGHUP, &quit, nullptr) == 0;
  }
  // The quit signals reach their handlers (SDL's and the one above) even when what started the
  // game blocked them, a mask a program inherits: a script's SIGTERM ends the game as a close.
  sigset_t quits;
  sigemptyset(&quits);
  for (const int quitSignal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&quits, quitSignal);
  pthread_sigmask(SIG_UNBLOCK, &quits, nullptr);
}

DisplayWindow::~DisplayWindow() {
  // Put back what SIGHUP did, unless the program has set it otherwise since.
  struct sigaction now {};
  if (hangupQuits_ && sigaction(SIGHUP, nullptr, &now) == 0 && (now.sa_flags & SA_SIGINFO) == 0 &&
      now.sa_handler == QuitOnHangup) {
    sigaction(SIGHUP, &hangupBefore_, nullptr);
  }
  SDL_GL_DeleteContext(context_);
  watch_.BeforeDestroy();
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void DisplayWindow::Show() {
  // SDL would wait for a window that is gone to be shown.
  if (Gone()) return;
  if (fullscreen_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) == 0) {
    AskFullscreenWhenShown(window_);
  }
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
}

bool DisplayWindow::MakeCurrent() { return SDL_GL_MakeCurrent(window_, context_) == 0; }

void DisplayWindow::Swap() { SDL_GL_SwapWindow(window_); }

void DisplayWindow::SetFullscreen(bool fullscreen) {
  // A window that is gone keeps its mode: the program is about to end.
  if (Gone()) return;
  if (fullscreen && !fullscreen_) {
    // A size the player gave the window is the one it comes back to.
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    if (width != sizedWidth_ || height != sizedHeight_) SetPreferredSize(width, height);
  }
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
      frameAssumed_ = false;
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

void DisplayWindow::WindowedSize(int& width, int& height) const {
  if (fullscreen_) {
    width = preferredWidth_;
    height = preferredHeight_;
  } else {
    SDL_GetWindowSize(window_, &width, &height);
  }
}

void DisplayWindow::FollowFrame() {
  WindowFrame frame;
  if (!frameAssumed_ || fullscreen_ || !ReportedFrame(frame)) return;
  frameAssumed_ = false;
  // A window the player resized before the frame came keeps the player's size.
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  if (width == sizedWidth_ && height == sizedHeight_) SizeAsWindow();
}

bool DisplayWindow::ReportedFrame(WindowFrame& frame) const {
  frame = {};
  // A driver that cannot report frames (offscreen) draws none.
  if (SDL_GetWindowBordersSize(window_, &frame.top, &frame.left, &frame.bottom, &frame.right) !=
      0) {
    frame = {};
    return true;
  }
  return frame.top != 0 || frame.left != 0 || frame.bottom != 0 || frame.right != 0;
}

void DisplayWindow::SizeAsWindow() {
  SDL_Rect usable{0, 0, Canvas::kWidth, Canvas::kHeight};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
  SDL_GetDisplayUsableBounds(display, &usable);
  // The usable area still holds the window's frame. Before the window manager has framed the
  // window (and right after full screen) it reports none: then a frame is assumed, so that
  // the window fits, and FollowFrame sizes it again once the real one is known.
  WindowFrame frame;
  frameAssumed_ = !ReportedFrame(frame);
  if (frameAssumed_) frame = kAssumedFrame;
  const int scale = WindowScale(usable.w, usable.h, frame);
  int width = Canvas::kWidth * scale;
  int height = Canvas::kHeight * scale;
  if (preferredWidth_ > 0 && preferredHeight_ > 0) {
    width =
        std::min(preferredWidth_, std::max(Canvas::kWidth, usable.w - frame.left - frame.right));
    height =
        std::min(preferredHeight_, std::max(Canvas::kHeight, usable.h - frame.top - frame.bottom));
  }
  SDL_SetWindowSize(window_, width, height);
  SDL_GetWindowSize(window_, &sizedWidth_, &sizedHeight_);
  // Framed and centred in the usable area; SDL places the inside of the frame.
  const int x =
      usable.x + frame.left + std::max(0, usable.w - frame.left - frame.right - width) / 2;
  const int y =
      usable.y + frame.top + std::max(0, usable.h - frame.top - frame.bottom - height) / 2;
  SDL_SetWindowPosition(window_, x, y);
}

void DisplayWindow::DrawableSize(int& width, int& height) const {
  SDL_GL_GetDrawableSize(window_, &width, &height);
}

int DisplayWindow::RefreshRate() const {
  constexpr int kUsualRate = 60;
  SDL_DisplayMode mode{};
  if (SDL_GetWindowDisplayMode(window_, &mode) != 0 || mode.refresh_rate <= 0) return kUsualRate;
  return mode.refresh_rate;
}

void DisplayWindow::SetIcon(const std::string& bmpPath) {
  SurfacePtr icon(SDL_LoadBMP(bmpPath.c_str()));
  if (icon) SDL_SetWindowIcon(window_, icon.get());
}

}  // namespace ursa::tk
