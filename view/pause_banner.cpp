// The pause banner, printed like the HUD's texts (white, on their line) and centred across
// the window. The band is kept pixel for pixel while it shows.
#include "view/pause_banner.hpp"

#include <string>

#include "toolkit/color.hpp"
#include "toolkit/text_face.hpp"
#include "view/screens.hpp"

namespace ursa::view {
namespace {

constexpr const char* kPauseText = "PAUSE";

}  // namespace

void PauseBanner::Show(tk::Canvas& canvas) {
  if (shown_) return;
  band_ = canvas.Copy(kHudBand);
  foreColor_ = canvas.ForeColor();
  currentX_ = canvas.CurrentX();
  currentY_ = canvas.CurrentY();

  // The cell goes back to the band's background first, so that the word reads clearly over a
  // split note of a time attack; elsewhere in the band it is background already.
  const tk::Rect cell = Cell(canvas);
  canvas.Fill(cell, tk::kBlack);
  canvas.SetForeColor(tk::kWhite);
  canvas.PSet(cell.x, cell.y, canvas.Point(cell.x, cell.y));
  canvas.Print(kPauseText);
  shown_ = true;
}

tk::Rect PauseBanner::Cell(const tk::Canvas& canvas) {
  const int width = canvas.TextWidth(kPauseText);
  return {kHudBand.x + (kHudBand.width - width) / 2, kHudTextY, width, canvas.Face().LineHeight()};
}

void PauseBanner::Hide(tk::Canvas& canvas) {
  if (!shown_) return;
  canvas.Paste(kHudBand, band_);
  canvas.SetForeColor(foreColor_);
  // Setting a pixel to its own colour only moves the print position there.
  canvas.PSet(currentX_, currentY_, canvas.Point(currentX_, currentY_));
  shown_ = false;
}

}  // namespace ursa::view
