// PauseBanner: "PAUSE" centred in the HUD band while the game is paused. Taking it away puts
// back exactly the pixels it covered, so the HUD returns as it was.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/canvas.hpp"
#include "toolkit/picture_size.hpp"
#include "toolkit/rect.hpp"

namespace ursa::view {

// The band at the top of the window where the HUD is printed.
inline constexpr tk::Rect kHudBand{0, 0, tk::kPictureWidth, 50};

class PauseBanner {
 public:
  // Prints the banner over the band; nothing when it is shown already.
  void Show(tk::Canvas& canvas);
  // Restores the band, the text colour and the print position; nothing when not shown.
  void Hide(tk::Canvas& canvas);
  bool Shown() const { return shown_; }
  // The text cell the banner prints "PAUSE" in, centred in the band: what must stay clear of
  // it to be seen while the game is paused.
  static tk::Rect Cell(const tk::Canvas& canvas);

 private:
  std::vector<uint32_t> band_;  // the band's pixels under the banner, rows top to bottom
  uint32_t foreColor_ = 0;
  int currentX_ = 0;
  int currentY_ = 0;
  bool shown_ = false;
};

}  // namespace ursa::view
