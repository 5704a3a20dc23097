// Form1's construction, display mode and presenting: the backing image and the picture box
// composed into one 640 x 480 image, shown scaled on the window and read back for screenshots.
// Only what changed is composed and drawn again, and nothing is presented when nothing did.
#include "toolkit/form1.hpp"

#include <epoxy/gl.h>

#include <algorithm>
#include <iostream>
#include <string_view>
#include <utility>

#include "gl/texture_changes.hpp"
#include "toolkit/back_buffer_age.hpp"
#include "toolkit/error.hpp"
#include "toolkit/png_writer.hpp"
#include "toolkit/program_directory.hpp"
#include "toolkit/window_gl.hpp"

namespace ursa::tk {

Form1::Form1(FormOptions options)
    : options_(std::move(options)),
      clock_(options_.clock != nullptr ? options_.clock : &systemClock_),
      window_("Ursa", !options_.windowed),
      face_(TextFace::Open(options_.fontFamily, kGameFontPixels, std::cerr)),
      canvas_(face_),
      softwareRasteriser_(tk::SoftwareRasteriser()),
      composer_(PictureBox::kBox),
      picture1_([this](const DeviceImage& device) { Present(&device); },
                [this](bool shown) {
                  // Shown, the box starts from its black background; shown or hidden, it is
                  // composed again.
                  if (shown) composer_.ClearPicture();
                  imageChange_ = Union(imageChange_, PictureBox::kBox);
                  shownTexture_ = 0;
                }) {
  scaler_.SetScaling(options_.scaling);
  // The window's context is current: waiting for the display's refresh is its swap interval,
  // adaptive (a late picture is shown at once) where the driver offers that.
  if (options_.vsync && SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);
}

Form1::~Form1() {
  // The composer's and the scaler's textures and programs belong to this window's context.
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
  if (reduceTo16Bit_ != (bitsPerPixel == 16)) imageChange_ = Composer::kWholeImage;
  reduceTo16Bit_ = bitsPerPixel == 16;
  window_.SetPreferredSize(options_.windowWidth, options_.windowHeight);
  window_.SetFullscreen(!options_.windowed);
  dirty_ = true;
}

void Form1::ToggleFullscreen() {
  window_.SetFullscreen(!window_.Fullscreen());
  dirty_ = true;
}

Rect Form1::DeviceChange(const DeviceImage& device) {
  const gl::TextureChange change = gl::TakeTextureChange(device.texture);
  const Rect box = PictureBox::kBox;
  // A device image the box does not show yet (or one whose changes are not tracked) is new
  // in all of the box.
  if (change.writer == 0 || device.texture != shownTexture_ || change.writer != shownWriter_) {
    shownTexture_ = device.texture;
    shownWriter_ = change.writer;
    return box;
  }
  // What the box shows of the device image: its top-left part, as large as both.
  const Rect shown{0, 0, std::min(device.width, box.width), std::min(device.height, box.height)};
  return Moved(Intersection(change.changed, shown), box.x, box.y);
}

void Form1::Compose(const DeviceImage* device) {
  if (!window_.MakeCurrent()) throw Error(std::string("the window lost OpenGL: ") + SDL_GetError());
  if (uploadedVersion_ != canvas_.Version()) {
    composer_.UploadBacking(canvas_.Surface());
    uploadedVersion_ = canvas_.Version();
    imageChange_ = Composer::kWholeImage;
  }
  if (device != nullptr && picture1_.Visible()) {
    imageChange_ = Union(imageChange_, DeviceChange(*device));
  }
  if (IsEmpty(imageChange_)) return;
  composer_.Compose(picture1_.Visible(), reduceTo16Bit_, device, imageChange_);
  unpresented_ = Union(unpresented_, imageChange_);
  imageChange_ = {};
}

void Form1::FinishPresent() {
  if (!swapPending_) return;
  swapPending_ = false;
  if (window_.Gone()) {
    swapDueMs_ = -1;
    return;
  }
  if (swapDueMs_ >= 0) clock_->SleepUntil(std::exchange(swapDueMs_, -1));
  if (options_.vsync) {
    window_.Swap();
  } else {
    const Rect& a = drawn_.area;
    backIsShown_ = !drawn_.bars && CopyToWindow(drawn_.glx, a.x, a.y, a.width, a.height);
    if (!backIsShown_) window_.Swap();
  }
  ++presents_;
  lastPresentAt_ = std::chrono::steady_clock::now();
}

void Form1::Present(const DeviceImage* device) {
  // The last picture goes up before this one is drawn over it.
  FinishPresent();
  const int64_t presentAt = std::exchange(presentAtMs_, -1);
  presentedVersion_ = canvas_.Version();
  // Without presenting, a device image is still composed: a later screenshot shows it.
  if (!options_.present && device == nullptr) {
    dirty_ = false;
    return;
  }
  Compose(device);
  // A window destroyed from outside shows nothing more: the program is about to end.
  if (!options_.present || window_.Gone()) {
    dirty_ = false;
    return;
  }
  int width = 0;
  int height = 0;
  window_.DrawableSize(width, height);
  const Rect whole{0, 0, width, height};
  Rect changed = scaler_.WindowArea(width, height, unpresented_);
  unpresented_ = {};
  if (dirty_ || width != drawnWidth_ || height != drawnHeight_) {
    // Every buffer's content is unknown after a resize, and the bars must be drawn.
    if (width != drawnWidth_ || height != drawnHeight_) {
      windowDamage_.Forget();
      backIsShown_ = false;
    }
    changed = whole;
    drawnWidth_ = width;
    drawnHeight_ = height;
  }
  dirty_ = false;
  // No pixel changed: the window keeps what it shows, and nothing is presented.
  if (IsEmpty(changed)) return;
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool glx = driver != nullptr && std::string_view(driver) == "x11";
  // After a partial copy the back buffer is the picture on the window.
  const int age = backIsShown_ ? 1 : BackBufferAge(glx, softwareRasteriser_);
  const Rect draw = windowDamage_.ToDraw(age, changed, whole);
  const bool bars = draw.x == 0 && draw.y == 0 && draw.width == width && draw.height == height;
  try {
    scaler_.DrawScaled(composer_, 0, width, height, draw, bars);
  } catch (const Error&) {
    // OpenGL fails to draw on a window just destroyed from outside.
    if (window_.StillThere()) throw;
    return;
  }
  drawn_ = {draw, bars, glx};
  swapPending_ = true;
  // With vsync the screen's refresh paces the pictures itself.
  if (presentAt >= 0 && !options_.vsync) {
    // Drawn to the end now, so that putting it up at its moment takes no drawing time.
    glFinish();
    swapDueMs_ = presentAt;
    return;
  }
  // A swap that waits for the display's refresh waits in the pump's next wait for the
  // clock, not here, where it would push the frame's closing tick read past a tick.
  if (!options_.vsync) FinishPresent();
}

RgbImage Form1::Screenshot(const std::string& pngPath) {
  Compose();
  RgbImage image = composer_.ReadComposed();
  if (!pngPath.empty()) WritePng(image, pngPath);
  return image;
}

}  // namespace ursa::tk
