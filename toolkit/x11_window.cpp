// The X11 side of the game's window, through the X display and window SDL reports. X errors
// reach one handler for the whole program, so the watched window lives in atomics here.
#include "toolkit/x11_window.hpp"

#include <SDL_syswm.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace ursa::tk {
namespace {

std::atomic<bool> installed{false};
std::atomic<unsigned long> watched{0};
// Once gone, the window stays gone.
std::atomic<bool> gone{false};
XErrorHandler before = nullptr;
XIOErrorHandler ioBefore = nullptr;
std::function<void()> lastWords;

bool X11Window(SDL_Window* window, Display*& display, Window& xwindow) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
      info.subsystem != SDL_SYSWM_X11) {
    return false;
  }
  display = info.info.x11.display;
  xwindow = info.info.x11.window;
  return display != nullptr && xwindow != 0;
}

// Runs inside Xlib (SDL's own handler passes errors on to it), so it only takes note: no X
// calls, no SDL calls. Once the window is gone, what SDL still asks about it fails too, with
// the window's id or, for a window SDL looked up through it (its parent), another: all of
// these are the window's end, not a fault of the program.
int OnXError(Display* display, XErrorEvent* error) {
  const unsigned long window = watched.load();
  const bool onWindow = window != 0 && error->resourceid == window;
  const bool noWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
  if (onWindow && noWindow) gone.store(true);
  if (window != 0 && gone.load() && (onWindow || noWindow)) return 0;
  return before != nullptr ? before(display, error) : 0;
}

// Xlib ends the program when this returns, and the connection cannot be used again.
int OnXConnectionLost(Display* display) {
  if (watched.load() == 0) return ioBefore != nullptr ? ioBefore(display) : 0;
  std::fputs("ursa: the display closed the game's connection; the game ends as closed\n", stderr);
  if (lastWords) lastWords();
  std::exit(0);
}

}  // namespace

void AskFullscreenWhenShown(SDL_Window* window) {
  Display* display = nullptr;
  Window xwindow = 0;
  if (!X11Window(window, display, xwindow)) return;
  Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
  XChangeProperty(display, xwindow, state, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&fullscreen), 1);
}

XWindowWatch::XWindowWatch() {
  if (installed.exchange(true)) return;
  installed_ = true;
  gone.store(false);
  before = XSetErrorHandler(OnXError);
  ioBefore = XSetIOErrorHandler(OnXConnectionLost);
}

XWindowWatch::~XWindowWatch() {
  if (!installed_) return;
  watched.store(0);
  // Handed back only when no one has set another since.
  const XErrorHandler current = XSetErrorHandler(before);
  if (current != OnXError) XSetErrorHandler(current);
  before = nullptr;
  const XIOErrorHandler ioCurrent = XSetIOErrorHandler(ioBefore);
  if (ioCurrent != OnXConnectionLost) XSetIOErrorHandler(ioCurrent);
  ioBefore = nullptr;
  lastWords = nullptr;
  installed.store(false);
}

void XWindowWatch::Watch(SDL_Window* window) {
  Display* display = nullptr;
  Window xwindow = 0;
  if (!installed_ || !X11Window(window, display, xwindow)) return;
  display_ = display;
  window_ = xwindow;
  watched.store(xwindow);
  // The window's X events come as SDL_SYSWMEVENT: its DestroyNotify among them.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void XWindowWatch::See(const SDL_Event& event) const {
  if (window_ == 0 || event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
      event.syswm.msg->subsystem != SDL_SYSWM_X11) {
    return;
  }
  const XEvent& x = event.syswm.msg->msg.x11.event;
  if (x.type == DestroyNotify && x.xdestroywindow.window == window_) gone.store(true);
}

void XWindowWatch::OnConnectionLost(std::function<void()> words) const {
  if (installed_) lastWords = std::move(words);
}

bool XWindowWatch::Gone() const { return window_ != 0 && gone.load(); }

bool XWindowWatch::StillThere() {
  if (window_ == 0) return true;
  if (!gone.load()) {
    // An error here, of a window destroyed, reaches OnXError and makes it gone.
    XWindowAttributes attributes;
    XGetWindowAttributes(static_cast<Display*>(display_), window_, &attributes);
  }
  return !gone.load();
}

bool XWindowWatch::TakeGone() {
  if (told_ || !Gone()) return false;
  told_ = true;
  return true;
}

void XWindowWatch::BeforeDestroy() {
  if (!Gone()) return;
  // SDL hides a window before destroying it and waits for X to report it unmapped, which X
  // never does for a window that no longer exists: the report is put in the queue instead.
  XEvent unmapped{};
  unmapped.xunmap.type = UnmapNotify;
  unmapped.xunmap.display = static_cast<Display*>(display_);
  unmapped.xunmap.event = window_;
  unmapped.xunmap.window = window_;
  XPutBackEvent(static_cast<Display*>(display_), &unmapped);
  SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
}

}  // namespace ursa::tk
