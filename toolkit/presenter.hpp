// Composes what the player sees and puts it on the window: the backing image, the picture
// box's content while it is visible, the 16-bit (5-6-5) reduction, then a sharp,
// aspect-correct scale to the window's drawable pixels with black borders.
#pragma once

#include "gl/object.hpp"
#include "gl/program.hpp"
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
  // Builds the 640 x 480 image the player sees. While the box is visible it shows `device`
  // when given (its top-left corner at the box's top-left, cut at the box's edges), else
  // what it showed in the last composed image.
  void Compose(bool pictureVisible, bool reduceTo16Bit, const DeviceImage* device = nullptr);
  // Draws the composed image scaled into `framebuffer` (0: the window's) of the given size
  // in pixels, black around it.
  void DrawScaled(unsigned framebuffer, int width, int height);

  // How a scale that is not a whole number is drawn: sharp bilinear (each pixel a flat block,
  // only the seams between blocks blended) or nearest pixel. A software rasteriser draws the
  // latter several times faster, so it is the default there; whole-number scales are always
  // nearest pixel.
  enum class InBetweenScaling { kSharpBilinear, kNearest };
  void SetInBetweenScaling(InBetweenScaling scaling) { inBetweenScaling_ = scaling; }
  // The composed image, rows top to bottom.
  RgbImage ReadComposed();

 private:
  Rect box_;
  bool pictureBlack_ = true;
  InBetweenScaling inBetweenScaling_ = InBetweenScaling::kSharpBilinear;
  gl::Program compose_;
  gl::Program scale_;
  gl::Object vertexArray_{gl::Object::Type::kVertexArray};
  gl::Object backingTexture_{gl::Object::Type::kTexture};
  // Two composed images in turn: the box's content is carried from the last one into the
  // next, so no separate copy of the device image is kept.
  gl::Object composedTextures_[2] = {gl::Object(gl::Object::Type::kTexture),
                                     gl::Object(gl::Object::Type::kTexture)};
  gl::Object composedFramebuffers_[2] = {gl::Object(gl::Object::Type::kFramebuffer),
                                         gl::Object(gl::Object::Type::kFramebuffer)};
  int current_ = 0;
};

// Where a 640 x 480 image goes in a drawable of the given size: as large as fits with its
// aspect kept, centred (so it reads the same with y up, as OpenGL counts, or down).
Rect LetterboxRect(int drawableWidth, int drawableHeight);

}  // namespace ursa::tk
