// Puts the two screens into the stored picture.
// Each screen is painted at window size and averaged down to half, which smooths edges.
#include "tools/screengen/screen_layout.hpp"
#include "tools/screengen/screens.hpp"

namespace ursa::screengen {

Canvas PaintScreenPicture(ShotRenderer& renderer, const TextPainter& text) {
  using namespace layout;
  Canvas picture(kPictureWidth, kPictureHeight);
  picture.Paste(PaintTitleScreen(renderer, text).Reduced(2), 0, 0);
  picture.Paste(PaintEndingScreen(renderer, text).Reduced(2), 0, kPictureHeight / 2);
  return picture;
}

}  // namespace ursa::screengen
