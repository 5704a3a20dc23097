// What the game's window needs from X itself where SDL runs on X11: full screen asked for
// before the window is first shown, and a window destroyed by another X client taken as closed.
#pragma once

#include <SDL.h>

#include <functional>

namespace ursa::tk {

// A window manager reads the state a window asks for when it first maps it; SDL asks for full
// screen only after that, so the window would first be shown framed, as a window. Call just
// before showing the window for the first time. Does nothing off X11.
void AskFullscreenWhenShown(SDL_Window* window);

// While it exists, an X error that says the watched window is no more (BadWindow,
// BadDrawable: another X client destroyed it) no longer ends the program, and neither do the
// errors that follow from it; the window counts as gone instead, as it does on its
// DestroyNotify. Other X errors go where they went before, and so does a lost connection
// before a window is watched. Made before SDL's video starts and
// ended after it stops, so that what SDL and OpenGL still send about the window while they
// close is covered too. One watch at a time; off X11 it watches nothing.
class XWindowWatch {
 public:
  XWindowWatch();
  ~XWindowWatch();
  XWindowWatch(const XWindowWatch&) = delete;
  XWindowWatch& operator=(const XWindowWatch&) = delete;

  // Starts watching `window`, once it exists.
  void Watch(SDL_Window* window);
  // Takes note of an SDL_SYSWMEVENT that says the window was destroyed.
  void See(const SDL_Event& event) const;
  // The window was destroyed from outside: true once.
  bool TakeGone();
  // The window was destroyed from outside (and stays so).
  bool Gone() const;
  // Asks X now whether the window still exists; false once it is gone. True off X11.
  bool StillThere();
  // To be called just before SDL destroys the window: SDL must not wait for news of a window
  // that is gone.
  void BeforeDestroy();
  // When the connection to X itself is lost while the window is watched (another client
  // killed the game's connection, the X server ended), nothing more can be shown or asked:
  // `lastWords` runs and the program ends with status 0, as when its window is closed.
  void OnConnectionLost(std::function<void()> lastWords) const;

 private:
  bool installed_ = false;
  void* display_ = nullptr;
  unsigned long window_ = 0;
  bool told_ = false;
};

}  // namespace ursa::tk
