// The pause banner, printed like the HUD's texts (white, on their line) and centred across
// the window. The band is kept pixel for pixel while it shows.
#include "view/pause_banner.hpp"

#include <string>

#include "toolkit/color.hpp"

namespace ursa::view {
namespace {

constexpr const char* kPauseText = "PAUSE";
constexpr int kHudTextY = 5;  // the line the HUD prints its stage and misses on

}  // namespace

void PauseBanner::Show(tk::Canvas& canvas) {
  if (shown_) return;
  band_.clear();
  band_.reserve(static_cast<size_t>(kHudBand.width) * kHudBand.height);
  for (int y = kHudBand.y; y < kHudBand.y + kHudBand.height; ++y) {
    for (int x = kHudBand.x; x < kHudBand.x + kHudBand.width; ++x)
      band_.push_back(canvas.Point(x, y));
  }
  foreColor_ = canvas.ForeColor();
  currentX_ = canvas.CurrentX();
  currentY_ = canvas.CurrentY();

  const std::string text = kPauseText;
  const int x = kHudBand.x + (kHudBand.width - canvas.TextWidth(text)) / 2;
  canvas.SetForeColor(tk::kWhite);
  canvas.PSet(x, kHudTextY, canvas.Point(x, kHudTextY));
  canvas.Print(text);
  shown_ = true;
}

void PauseBanner::Hide(tk::Canvas& canvas) {
  if (!shown_) return;
  size_t i = 0;
  for (int y = kHudBand.y; y < kHudBand.y + kHudBand.height; ++y) {
    for (int x = kHudBand.x; x < kHudBand.x + kHudBand.width; ++x) canvas.PSet(x, y, band_[i++]);
  }
  canvas.SetForeColor(foreColor_);
  // Setting a pixel to its own colour only moves the print position there.
  canvas.PSet(currentX_, currentY_, canvas.Point(currentX_, currentY_));
  shown_ = false;
}

}  // namespace ursa::view
