// Form1's construction, display mode and presenting: the backing image and the picture box
// composed into one 640 x 480 image, shown scaled on the window and read back for screenshots.
#include "toolkit/form1.hpp"

#include <iostream>

#include "toolkit/error.hpp"
#include "toolkit/png_writer.hpp"
#include "toolkit/program_directory.hpp"

namespace ursa::tk {

Form1::Form1(FormOptions options)
    : options_(std::move(options)),
      clock_(options_.clock != nullptr ? options_.clock : &systemClock_),
      window_("Ursa"),
      face_(TextFace::Open(options_.fontFamily, kGameFontPixels, std::cerr)),
      canvas_(face_),
      presenter_(PictureBox::kBox),
      picture1_(
          presenter_, [this](const DeviceImage& device) { Present(&device); },
          [this] { dirty_ = true; }) {}

Form1::~Form1() {
  // The presenter's textures and programs belong to this window's context.
  window_.MakeCurrent();
}

std::string Form1::AppPath() const { return ProgramDirectory(); }

void Form1::Show() {
  window_.Show();
  dirty_ = true;
  Present();
}

void Form1::SetDisplayMode(int width, int height, int bitsPerPixel) {
  if (width != kWidth || height != kHeight) {
    throw Error("the display mode " + std::to_string(width) + " x " + std::to_string(height) +
                " is not offered: the game's window is 640 x 480");
  }
  reduceTo16Bit_ = bitsPerPixel == 16;
  window_.SetFullscreen(!options_.windowed);
  dirty_ = true;
}

void Form1::ToggleFullscreen() {
  window_.SetFullscreen(!window_.Fullscreen());
  dirty_ = true;
}

void Form1::Compose(const DeviceImage* device) {
  if (!window_.MakeCurrent()) throw Error(std::string("the window lost OpenGL: ") + SDL_GetError());
  if (uploadedVersion_ != canvas_.Version()) {
    presenter_.UploadBacking(canvas_.Surface());
    uploadedVersion_ = canvas_.Version();
  }
  presenter_.Compose(picture1_.Visible(), reduceTo16Bit_, device);
}

void Form1::Present(const DeviceImage* device) {
  dirty_ = false;
  presentedVersion_ = canvas_.Version();
  // Without presenting, a device image is still composed: a later screenshot shows it.
  if (!options_.present && device == nullptr) return;
  Compose(device);
  if (!options_.present) return;
  int width = 0;
  int height = 0;
  window_.DrawableSize(width, height);
  presenter_.DrawScaled(0, width, height);
  window_.Swap();
}

RgbImage Form1::Screenshot(const std::string& pngPath) {
  Compose();
  RgbImage image = presenter_.ReadComposed();
  if (!pngPath.empty()) WritePng(image, pngPath);
  return image;
}

}  // namespace ursa::tk
