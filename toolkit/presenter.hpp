// Composes what the player sees and puts it on the window: the backing image, the picture
// box's content while it is visible, the 16-bit (5-6-5) reduction, then a sharp,
// aspect-correct scale to the window's drawable pixels with black borders. Both passes can be
// limited to the rectangle that changed; the rest of the image and of the window is kept.
#pragma once

#include <memory>

#include "gl/object.hpp"
#include "gl/program.hpp"
#include "toolkit/letterbox.hpp"
#include "toolkit/rect.hpp"
#include "toolkit/rgb_image.hpp"

struct SDL_Surface;

namespace ursa::tk {

// A device image as the 3D renderer leaves it: an RGBA8 texture, row 0 at the bottom.
// Composing sets its filters to nearest, the only way it is ever read.
struct DeviceImage {
  unsigned texture = 0;
  int width = 0;
  int height = 0;
};

class Presenter {
 public:
  // Needs the window's OpenGL context current; `box` is the picture box's rectangle.
  explicit Presenter(Rect box);
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  // Takes a copy of the window's 640 x 480 backing image.
  void UploadBacking(const SDL_Surface& backing);
  // The picture box's content becomes its background, black, as when it is shown.
  void ClearPicture() { pictureBlack_ = true; }
  // Builds the 640 x 480 image the player sees, within `area` (window pixels, y down) only;
  // the rest stays as last composed. While the box is visible it shows `device` when given
  // (its top-left corner at the box's top-left, cut at the box's edges), else what it showed
  // in the last composed image.
  void Compose(bool pictureVisible, bool reduceTo16Bit, const DeviceImage* device = nullptr,
               Rect area = kWholeImage);
  // Draws the composed image scaled into `framebuffer` (0: the window's) of the given size in
  // pixels, only within `windowArea` (framebuffer pixels, y up as OpenGL counts); with
  // `bars`, also the black bars around the picture.
  void DrawScaled(unsigned framebuffer, int width, int height, Rect windowArea, bool bars);
  void DrawScaled(unsigned framebuffer, int width, int height) {
    DrawScaled(framebuffer, width, height, {0, 0, width, height}, true);
  }
  // The framebuffer pixels (y up) whose colour depends on the composed image's `imageArea`
  // (y down) in a drawable of the given size: scaled, and widened to whole pixels and by the
  // texel whose seam a sharp bilinear scale blends in.
  Rect WindowArea(int width, int height, Rect imageArea) const;

  static constexpr Rect kWholeImage{0, 0, 640, 480};

  // How a scale that is not a whole number is drawn: sharp bilinear (each pixel a flat block,
  // only the seams between blocks blended) or nearest pixel. A software rasteriser draws the
  // latter several times faster, so it is the default there; whole-number scales are always
  // nearest pixel.
  enum class InBetweenScaling { kSharpBilinear, kNearest };
  void SetInBetweenScaling(InBetweenScaling scaling) { inBetweenScaling_ = scaling; }
  // Fit (the default) or whole multiples only: where the picture goes on the window.
  void SetScaling(Scaling scaling) { scaling_ = scaling; }
  // The composed image, rows top to bottom.
  RgbImage ReadComposed();
  // Drawing runs on the CPU (Mesa's llvmpipe, softpipe or swrast).
  bool SoftwareRasteriser() const { return softwareRasteriser_; }

 private:
  Rect box_;
  bool pictureBlack_ = true;
  InBetweenScaling inBetweenScaling_ = InBetweenScaling::kSharpBilinear;
  Scaling scaling_ = Scaling::kFit;
  bool softwareRasteriser_ = false;
  gl::Program compose_;
  gl::Program composeDevice_;
  gl::Program scale_;
  gl::Object vertexArray_{gl::Object::Type::kVertexArray};
  bool SharpSeams(int width, int height) const;
  // A copy of the composed image as it is now; its texture name.
  unsigned CopyOfComposed();

  gl::Object backingTexture_{gl::Object::Type::kTexture};
  // The composed image. Composing writes only the area asked for, and in the box only when
  // it has something new to show, so the box keeps its last content without a copy.
  gl::Object composedTexture_{gl::Object::Type::kTexture};
  gl::Object composedFramebuffer_{gl::Object::Type::kFramebuffer};
  bool composedReduced_ = false;
  // Made the first time the 16-bit reduction is switched while the box keeps its content.
  struct ComposedCopy {
    gl::Object texture{gl::Object::Type::kTexture};
    gl::Object framebuffer{gl::Object::Type::kFramebuffer};
  };
  std::unique_ptr<ComposedCopy> copy_;
};

// Where a 640 x 480 image goes in a drawable of the given size: as large as fits with its
// aspect kept, centred (so it reads the same with y up, as OpenGL counts, or down); the fit
// of PictureRect.
Rect LetterboxRect(int drawableWidth, int drawableHeight);

}  // namespace ursa::tk
