// Settings into window options and back: only what the player did counts as a change, never
// what the screen or the window manager decided.
#include "app/window_settings.hpp"

namespace ursa {

tk::FormOptions WindowOptions(const Settings& settings) {
  tk::FormOptions options;
  options.windowed = !settings.fullscreen;
  options.scaling = settings.scaling;
  options.vsync = settings.vsync;
  options.windowWidth = settings.windowWidth;
  options.windowHeight = settings.windowHeight;
  return options;
}

bool SmoothPictures(Motion motion, bool softwareRasteriser) {
  return motion == Motion::kSmooth || (motion == Motion::kAuto && !softwareRasteriser);
}

Settings SettingsAtEnd(const Settings& atStart, GameWindow& window) {
  Settings atEnd = atStart;
  const tk::Form1& form = window.Form();
  if (form.Fullscreen() != window.StartedFullscreen()) atEnd.fullscreen = form.Fullscreen();
  // Quitting in full screen keeps the size the window goes back to.
  int width = 0;
  int height = 0;
  form.WindowedSize(width, height);
  const bool wholeMultiple = width % tk::Form1::kWidth == 0 && height % tk::Form1::kHeight == 0 &&
                             width / tk::Form1::kWidth == height / tk::Form1::kHeight;
  const auto fits = [](int side) { return side >= kMinWindowSide && side <= kMaxWindowSide; };
  if (!wholeMultiple && fits(width) && fits(height)) {
    atEnd.windowWidth = width;
    atEnd.windowHeight = height;
  }
  return atEnd;
}

}  // namespace ursa
