// A floating-point RGBA picture to paint the screens and the icon on, with alpha blending,
// area-averaged resampling of rendered images and reduction by whole factors.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/screengen/rect.hpp"
#include "view/rm/image.hpp"

namespace ursa::screengen {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

inline Rgb operator*(Rgb c, float s) { return {c.r * s, c.g * s, c.b * s}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb MixRgb(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }

// Where a picture goes inside a rectangle.
enum class Fit {
  kInsideBottom,   // whole picture inside, standing on the rectangle's bottom edge, centred
  kInsideCentre,   // whole picture inside, centred
  kCoverTopRight,  // covers the rectangle, aligned to its top-right (may spill left and down)
  kWidthTop,       // as wide as the rectangle, aligned to its top (may spill down)
};

class Canvas {
 public:
  // alpha 0 gives a transparent canvas (the icon).
  Canvas(int width, int height, Rgb fill = {}, float alpha = 1);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return color_[Index(x, y)]; }
  float AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }
  void Set(int x, int y, Rgb c, float alpha = 1);
  // Paints `c` over the pixel with coverage `alpha`; outside the canvas nothing happens.
  void Blend(int x, int y, Rgb c, float alpha);

  // Paints the drawn part (alpha > 0) of `image` into `rect`, fitted as asked, averaging
  // the image's pixels over each canvas pixel. Returns where it landed.
  Rect DrawImage(const rm::Image& image, Rect rect, Fit fit);
  // The same with the image's whole area fitted, drawn or not.
  Rect DrawWholeImage(const rm::Image& image, Rect rect, Fit fit);
  // A soft dark ellipse, for shadows on the floor.
  void Shadow(float cx, float cy, float rx, float ry, float strength);
  // Multiplies the brightness by a factor going from left to right across the columns.
  void DarkenColumns(float leftFactor, float rightFactor);
  // Multiplies the brightness by `centre` in the middle, falling to `corner` at the corners.
  void Vignette(float centre, float corner);

  // Averages each factor x factor block into one pixel.
  Canvas Reduced(int factor) const;
  // Copies `other` into this canvas with its top-left at (x, y).
  void Paste(const Canvas& other, int x, int y);

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  // Fits the image's pixels x0..x1, y0..y1 (inclusive) into `rect`.
  Rect DrawRegion(const rm::Image& image, int x0, int y0, int x1, int y1, Rect rect, Fit fit);

  int width_, height_;
  std::vector<Rgb> color_;
  std::vector<float> alpha_;
};

// 8-bit value of a channel in 0..1, rounded.
uint8_t ToByte(float v);

}  // namespace ursa::screengen
