// A present: the picture composed where it changed, the window drawn where it lacks the
// picture (its buffer's age counted), then swapped or copied at its moment.
#include "toolkit/presenter.hpp"

#include <SDL.h>

#include <string>
#include <string_view>

#include "toolkit/back_buffer_age.hpp"
#include "toolkit/error.hpp"
#include "toolkit/window_gl.hpp"

namespace ursa::tk {

Presenter::Presenter(DisplayWindow& window, Clock& clock, const FormOptions& options, Rect box)
    : window_(window),
      present_(options.present),
      softwareRasteriser_(tk::SoftwareRasteriser()),
      composer_(box),
      image_(box),
      pacer_(window, clock, options.vsync) {
  scaler_.SetScaling(options.scaling);
}

void Presenter::BoxShown(bool shown) {
  if (shown) composer_.ClearPicture();
  image_.BoxChanged();
}

void Presenter::SetReduceTo16Bit(bool reduce) {
  if (reduce != reduceTo16Bit_) image_.Add(Composer::kWholeImage);
  reduceTo16Bit_ = reduce;
}

void Presenter::Compose(Canvas& canvas, bool pictureVisible, const DeviceImage* device) {
  if (!window_.MakeCurrent()) throw Error(std::string("the window lost OpenGL: ") + SDL_GetError());
  const Rect drawn = image_.TakeBackingChange(canvas.TakeChanged());
  if (!IsEmpty(drawn)) composer_.UploadBacking(canvas.Surface(), drawn);
  if (device != nullptr && pictureVisible) image_.AddDevice(*device);
  if (!image_.ToCompose()) return;
  composer_.Compose(pictureVisible, reduceTo16Bit_, device, image_.TakeToCompose());
}

void Presenter::Present(Canvas& canvas, bool pictureVisible, const DeviceImage* device) {
  pacer_.Begin();
  // Without presenting, a device image is still composed: a later screenshot shows it.
  if (!present_ && device == nullptr) {
    windowDamage_.TakeInvalid();
    return;
  }
  Compose(canvas, pictureVisible, device);
  // A window destroyed from outside shows nothing more: the program is about to end.
  if (!present_ || window_.Gone()) {
    windowDamage_.TakeInvalid();
    return;
  }
  int width = 0;
  int height = 0;
  window_.DrawableSize(width, height);
  const Rect whole{0, 0, width, height};
  Rect changed = scaler_.WindowArea(width, height, image_.TakeUnpresented());
  if (windowDamage_.Resize(width, height)) pacer_.ForgetBack();
  if (windowDamage_.TakeInvalid()) changed = whole;
  // No pixel changed: the window keeps what it shows, and nothing is presented.
  if (IsEmpty(changed)) return;
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool glx = driver != nullptr && std::string_view(driver) == "x11";
  // After a partial copy the back buffer is the picture on the window.
  const int age = pacer_.BackIsShown() ? 1 : BackBufferAge(glx, softwareRasteriser_);
  const Rect draw = windowDamage_.ToDraw(age, changed, whole);
  const bool bars = draw == whole;
  try {
    scaler_.DrawScaled(composer_, 0, width, height, draw, bars);
  } catch (const Error&) {
    // OpenGL fails to draw on a window just destroyed from outside.
    if (window_.StillThere()) throw;
    return;
  }
  pacer_.Drawn(draw, bars, glx);
}

RgbImage Presenter::Screenshot(Canvas& canvas, bool pictureVisible) {
  Compose(canvas, pictureVisible, nullptr);
  return composer_.ReadComposed();
}

}  // namespace ursa::tk
