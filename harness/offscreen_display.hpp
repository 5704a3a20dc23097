// OffscreenDisplay: a hidden SDL2 window with an OpenGL 3.3 core context, a Display for
// tests and tools (works under SDL_VIDEODRIVER=offscreen); OffscreenPicture keeps what is shown.
#pragma once

#include "view/rm/image.hpp"
#include "view/rm/platform.hpp"

struct SDL_Window;

namespace ursa::harness {

class OffscreenDisplay : public rm::Display {
 public:
  // Throws rm::Error when SDL or the OpenGL context cannot be set up.
  OffscreenDisplay(int width = 640, int height = 480);
  ~OffscreenDisplay() override;
  OffscreenDisplay(const OffscreenDisplay&) = delete;
  OffscreenDisplay& operator=(const OffscreenDisplay&) = delete;

  // Only recorded: nothing is switched offscreen.
  void SetDisplayMode(int width, int height, int bitsPerPixel) override;
  bool MakeContextCurrent() override;

  int ModeWidth() const { return modeWidth_; }
  int ModeHeight() const { return modeHeight_; }
  int ModeBitsPerPixel() const { return modeBits_; }

 private:
  SDL_Window* window_ = nullptr;
  void* context_ = nullptr;
  int modeWidth_ = 0;
  int modeHeight_ = 0;
  int modeBits_ = 0;
};

// A picture box that copies every image shown to it, rows from the top.
class OffscreenPicture : public rm::PictureWindow {
 public:
  void ShowDeviceImage(unsigned texture, int width, int height) override;
  const rm::Image& LastImage() const { return last_; }
  int ShowCount() const { return shows_; }

 private:
  rm::Image last_;
  int shows_ = 0;
};

}  // namespace ursa::harness
