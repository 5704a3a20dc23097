// Form1, the game's one window: a persistent 640 x 480 backing image for 2D drawing, the
// picture box Picture1 for the 3D view, the image control Image1, and the events. The event
// pump's queue work is EventPump's, presenting is Presenter's.
#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "toolkit/canvas.hpp"
#include "toolkit/clock.hpp"
#include "toolkit/display_window.hpp"
#include "toolkit/event_pump.hpp"
#include "toolkit/form_events.hpp"
#include "toolkit/form_options.hpp"
#include "toolkit/game_pads.hpp"
#include "toolkit/image.hpp"
#include "toolkit/key_router.hpp"
#include "toolkit/picture_box.hpp"
#include "toolkit/presenter.hpp"
#include "toolkit/rect.hpp"
#include "toolkit/rgb_image.hpp"
#include "toolkit/text_face.hpp"

namespace ursa::tk {

class Form1 final {
 public:
  static constexpr int kWidth = tk::Canvas::kWidth;
  static constexpr int kHeight = tk::Canvas::kHeight;

  // Opens the window hidden, with its OpenGL context current. Throws Error when there is no
  // display, no OpenGL 3.3 or no font.
  explicit Form1(FormOptions options = {});
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // --- Events and the program's life ---
  // Where events go; null drops them. The sink must outlive its use.
  void SetEvents(FormEvents* events) { events_ = events; }
  // Delivers Load, then waits for and delivers events until the program ends.
  void Run();
  // One pass of Run's loop: puts what was drawn on screen, waits for an event however long,
  // then delivers every pending event.
  void WaitEvents();
  void Show();
  // The event pump: every event pending now is delivered once, then it returns. With
  // wakeAtMs >= 0 and nothing pending, it first waits until that time on the clock or the
  // next event, whichever comes first. Also puts a changed window image on screen.
  void DoEvents(int64_t wakeAtMs = -1);
  // The wait of the last DoEvents, if it waited: when it was due back and when it returned.
  const std::optional<EventPump::Waited>& LastWait() const { return pump_.LastWait(); }
  // Ends the program at once: no event is delivered after this, Run returns and DoEvents
  // does nothing, so the shell's loops unwind.
  void EndProgram() { pump_.EndProgram(); }
  // The display cut the program off (its connection killed, the X server gone): no event can
  // come any more, so `lastWords` runs there and then and the program ends with status 0, as
  // when the window is closed. It must not touch the window.
  void SetConnectionLost(std::function<void()> lastWords) {
    window_.OnConnectionLost(std::move(lastWords));
  }
  bool Ended() const { return pump_.Ended(); }
  int64_t Milliseconds() { return clock_->Milliseconds(); }

  // --- Controls and program services ---
  PictureBox& Picture1() { return picture1_; }
  Image& Image1() { return image1_; }
  // The program's directory, without a trailing separator.
  std::string AppPath() const;
  // The window's icon, a 32 x 32 BMP with alpha; a missing file leaves the default icon.
  void SetIcon(const std::string& bmpPath) { window_.SetIcon(bmpPath); }

  // --- 2D drawing on the backing image (window pixels, y down) ---
  tk::Canvas& Canvas() { return canvas_; }
  const tk::Canvas& Canvas() const { return canvas_; }

  // --- The display ---
  // Only 640 x 480 is offered; 16 bits per pixel reduces what the player sees to 5-6-5.
  // Switches to the full screen (or the window of FormOptions::windowed).
  void SetDisplayMode(int width, int height, int bitsPerPixel);
  // Makes the window's OpenGL 3.3 core context current; false when there is none.
  bool MakeContextCurrent() { return window_.MakeCurrent(); }
  // F11 and Alt+Enter do this too.
  void ToggleFullscreen();
  // Which keyboard keys send the game's keys (reserved keys are left out).
  void SetKeyBindings(const KeyBindings& bindings) { keys_.SetBindings(bindings); }
  bool Fullscreen() const { return window_.Fullscreen(); }
  // The window's size as a window, also while full screen (0 x 0: the game's own choice).
  void WindowedSize(int& width, int& height) const { window_.WindowedSize(width, height); }
  // The window's SDL id, which its key and window events carry.
  uint32_t WindowId() const { return window_.Id(); }
  // Pictures a second the window's screen shows (60 where it does not say).
  int RefreshRate() const { return window_.RefreshRate(); }
  // OpenGL draws on the CPU here (Mesa's llvmpipe, softpipe or swrast).
  bool SoftwareRasteriser() const { return presenter_.SoftwareRasteriser(); }
  // Pictures put on the window so far (swaps and partial copies): nothing changed, none.
  uint64_t Presents() const { return presenter_.Pacer().Presents(); }
  // When the last of them went up.
  std::chrono::steady_clock::time_point LastPresentAt() const {
    return presenter_.Pacer().LastPresentAt();
  }
  // The next picture drawn goes on the window at atMs on the clock, not before: it is drawn
  // at once and held, and the event pump puts it up at that moment (pictures at an even pace).
  // With vsync on, the screen's refresh decides instead.
  void PresentAt(int64_t atMs) { presenter_.Pacer().PresentAt(atMs); }
  // The 640 x 480 image the player sees now (after the 16-bit reduction); also written to
  // `pngPath` as a PNG unless it is empty.
  RgbImage Screenshot(const std::string& pngPath = {});

 private:
  // Delivers the queued events, after taking in the window system's with `takeIn`.
  void ProcessPendingEvents(bool takeIn);
  void Dispatch(const SDL_Event& event);
  void DispatchKey(const SDL_KeyboardEvent& key);
  void DispatchFocus(const SDL_WindowEvent& window);
  void Present(const DeviceImage* device = nullptr) {
    presenter_.Present(canvas_, picture1_.Visible(), device);
  }
  bool NeedsPresent() const { return presenter_.NeedsPresent(canvas_); }

  FormOptions options_;
  SystemClock systemClock_;
  Clock* clock_;
  DisplayWindow window_;
  TextFace face_;
  tk::Canvas canvas_;
  Presenter presenter_;
  PictureBox picture1_;
  Image image1_;
  KeyRouter keys_;
  GamePads pads_;
  EventPump pump_;
  FormEvents* events_ = nullptr;
};

}  // namespace ursa::tk
