// How a Form1 is set up: the game uses the defaults; tests and tools pick a window
// instead of the full screen, a virtual clock, no presenting or another text face.
#pragma once

#include <string>

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
};

}  // namespace ursa::tk
