// How a Form1 is set up: the game uses the defaults; tests and tools pick a window
// instead of the full screen, a virtual clock, no presenting or another text face.
#pragma once

#include <functional>
#include <string>

#include "toolkit/letterbox.hpp"
#include "toolkit/text_face.hpp"

namespace ursa::tk {

class Clock;

struct FormOptions {
  // The display-mode switch opens a window (largest whole multiple of 640 x 480 that fits)
  // instead of the full screen.
  bool windowed = false;
  // False: nothing is drawn to the screen; the composed image is still made for screenshots.
  bool present = true;
  // The clock of Milliseconds and of the pump's waiting; null means SDL's real clock.
  // It must outlive the form.
  Clock* clock = nullptr;
  std::string fontFamily = kGameFontFamily;
  // How the picture is scaled to the window or screen.
  Scaling scaling = Scaling::kFit;
  // Presenting waits for the display's refresh.
  bool vsync = false;
  // The window's size when it is a window; 0 x 0: the largest whole multiple that fits.
  int windowWidth = 0;
  int windowHeight = 0;
  // Called when F12 goes down (never for a repeat); F12 never reaches the game's keys.
  std::function<void()> screenshotKey;
};

}  // namespace ursa::tk
