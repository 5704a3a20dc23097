// Puts the composed 640 x 480 picture on the window: a sharp, aspect-correct scale to the
// drawable's pixels with black bars around it, drawn only within the area asked for; the rest
// of the window keeps what it shows.
#pragma once

#include "gl/object.hpp"
#include "gl/program.hpp"
#include "toolkit/composer.hpp"
#include "toolkit/letterbox.hpp"
#include "toolkit/rect.hpp"

namespace ursa::tk {

class Scaler {
 public:
  // How a scale that is not a whole number is drawn: sharp bilinear (each pixel a flat block,
  // only the seams between blocks blended) or nearest pixel. A software rasteriser draws the
  // latter several times faster, so it is the default there; whole-number scales are always
  // nearest pixel.
  enum class InBetweenScaling { kSharpBilinear, kNearest };

  // Needs the window's OpenGL context current.
  Scaler();
  Scaler(const Scaler&) = delete;
  Scaler& operator=(const Scaler&) = delete;

  void SetInBetweenScaling(InBetweenScaling scaling) { inBetweenScaling_ = scaling; }
  // Fit (the default) or whole multiples only: where the picture goes on the window.
  void SetScaling(Scaling scaling) { scaling_ = scaling; }

  // Draws `picture` scaled into `framebuffer` (0: the window's) of the given size in pixels,
  // only within `windowArea` (framebuffer pixels, y up as OpenGL counts); with `bars`, also
  // the black bars around the picture.
  void DrawScaled(const Composer& picture, unsigned framebuffer, int width, int height,
                  Rect windowArea, bool bars);
  void DrawScaled(const Composer& picture, unsigned framebuffer, int width, int height) {
    DrawScaled(picture, framebuffer, width, height, {0, 0, width, height}, true);
  }
  // The framebuffer pixels (y up) whose colour depends on the picture's `imageArea` (y down)
  // in a drawable of the given size: scaled, and widened to whole pixels and by the texel
  // whose seam a sharp bilinear scale blends in.
  Rect WindowArea(int width, int height, Rect imageArea) const;

 private:
  bool SharpSeams(int width, int height) const;

  InBetweenScaling inBetweenScaling_ = InBetweenScaling::kSharpBilinear;
  Scaling scaling_ = Scaling::kFit;
  gl::Program scale_;
  // Uniform locations, looked up once.
  int originAt_;
  int outputSizeAt_;
  gl::Object vertexArray_{gl::Object::Type::kVertexArray};
};

}  // namespace ursa::tk
