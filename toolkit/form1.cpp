// Form1's construction, display mode and screenshots: the window, its controls and its
// presenter made in order, and the display-mode switch that decides the 16-bit reduction.
#include "toolkit/form1.hpp"

#include <iostream>
#include <string>
#include <utility>

#include "toolkit/error.hpp"
#include "toolkit/png_writer.hpp"
#include "toolkit/program_directory.hpp"

namespace ursa::tk {

Form1::Form1(FormOptions options)
    : options_(std::move(options)),
      clock_(options_.clock != nullptr ? options_.clock : &systemClock_),
      window_("Ursa", !options_.windowed),
      face_(TextFace::Open(options_.fontFamily, kGameFontPixels, std::cerr)),
      canvas_(face_),
      presenter_(window_, *clock_, options_, PictureBox::kBox),
      picture1_([this](const DeviceImage& device) { Present(&device); },
                [this](bool shown) { presenter_.BoxShown(shown); }),
      pump_(*clock_, [this](const SDL_Event& event) { Dispatch(event); }) {}

Form1::~Form1() {
  // The presenter's textures and programs belong to this window's context.
  window_.MakeCurrent();
}

std::string Form1::AppPath() const { return ProgramDirectory(); }

void Form1::Show() {
  window_.Show();
  presenter_.InvalidateWindow();
  Present();
}

void Form1::SetDisplayMode(int width, int height, int bitsPerPixel) {
  if (width != kWidth || height != kHeight) {
    throw Error("the display mode " + std::to_string(width) + " x " + std::to_string(height) +
                " is not offered: the game's window is 640 x 480");
  }
  presenter_.SetReduceTo16Bit(bitsPerPixel == 16);
  window_.SetPreferredSize(options_.windowWidth, options_.windowHeight);
  window_.SetFullscreen(!options_.windowed);
  presenter_.InvalidateWindow();
}

void Form1::ToggleFullscreen() {
  window_.SetFullscreen(!window_.Fullscreen());
  presenter_.InvalidateWindow();
}

RgbImage Form1::Screenshot(const std::string& pngPath) {
  RgbImage image = presenter_.Screenshot(canvas_, picture1_.Visible());
  if (!pngPath.empty()) WritePng(image, pngPath);
  return image;
}

}  // namespace ursa::tk
