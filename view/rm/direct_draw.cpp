// The display-mode switch and clipper creation.
// The mode itself is the display's to set; the values are checked here first.
#include "view/rm/direct_draw.hpp"

#include <memory>

#include "view/rm/error.hpp"

namespace ursa::rm {

void DirectDraw::SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate,
                                int /*flags*/) {
  if (width <= 0 || height <= 0 || refreshRate < 0) {
    throw Error("SetDisplayMode",
                "invalid display mode " + std::to_string(width) + " x " + std::to_string(height));
  }
  if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
    throw Error("SetDisplayMode", "unsupported colour depth " + std::to_string(bitsPerPixel));
  }
  display_->SetDisplayMode(width, height, bitsPerPixel);
}

ClipperPtr DirectDraw::CreateClipper(int /*flags*/) { return std::make_shared<Clipper>(); }

}  // namespace ursa::rm
