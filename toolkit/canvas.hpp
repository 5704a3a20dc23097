// The window's persistent 640 x 480 backing image and its 2D drawing operations:
// clear, scaled copy, pixel read and write, text color and print at the current position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/image.hpp"
#include "toolkit/picture_size.hpp"
#include "toolkit/rect.hpp"
#include "toolkit/surface.hpp"

namespace ursa::tk {

class TextFace;

// Pixel read of a point outside the image.
inline constexpr uint32_t kNoPixel = 0xFFFFFFFF;

class Canvas {
 public:
  static constexpr int kWidth = kPictureWidth;
  static constexpr int kHeight = kPictureHeight;

  // `face` prints the text and must outlive the canvas. Starts black, white text, at (0, 0).
  explicit Canvas(const TextFace& face);

  // Fills everything with the background colour (black); the position goes back to (0, 0).
  void Cls();
  // Copies `source` of `picture` onto `dest`, scaled by nearest pixel (exactly 2 x 2 window
  // pixels per picture pixel for a 2x copy). Parts outside the window or the picture are left.
  void PaintPicture(const Image& picture, Rect source, Rect dest);
  // The packed color at (x, y), or kNoPixel outside the image.
  uint32_t Point(int x, int y) const;
  // Sets the pixel (if inside) and makes (x, y) the current position either way.
  void PSet(int x, int y, uint32_t color);
  // Fills `area`, cut at the image's edges, with `color`; the position stays.
  void Fill(Rect area, uint32_t color);
  // The pixels of `area` (which lies inside the image), rows top to bottom, to Paste back
  // exactly later: what a banner or a note covers while it shows.
  std::vector<uint32_t> Copy(Rect area) const;
  void Paste(Rect area, const std::vector<uint32_t>& pixels);
  void SetForeColor(uint32_t color) { foreColor_ = color & 0xFFFFFF; }
  uint32_t ForeColor() const { return foreColor_; }
  // Prints a line: the top-left of its text cell at the current position, only the glyphs'
  // pixels change, cut at the image's edges. Afterwards the position is at the start of the
  // next line (x 0, one line lower).
  void Print(const std::string& text);
  // The same print in another face (a smaller one for a figure beside the HUD's text); the
  // position moves down by that face's line.
  void Print(const std::string& text, const TextFace& face);
  // How many pixels a print of `text` covers from the current x to the right.
  int TextWidth(const std::string& text) const;
  int CurrentX() const { return currentX_; }
  int CurrentY() const { return currentY_; }
  // The face Print prints in.
  const TextFace& Face() const { return face_; }

  // The pixels, ARGB8888 rows top to bottom, for presenting.
  const SDL_Surface& Surface() const { return *surface_; }
  // Something was drawn since the last TakeChanged: the picture is new.
  bool Drawn() const { return !IsEmpty(changed_); }
  // The part of the image drawn on since the last call (cut to the image; empty when none):
  // what the presenter copies again.
  Rect TakeChanged();

 private:
  uint32_t* Row(int y) const;
  // `area` was drawn on (or may have been).
  void Changed(Rect area);

  const TextFace& face_;
  SurfacePtr surface_;
  uint32_t foreColor_ = 0xFFFFFF;
  int currentX_ = 0;
  int currentY_ = 0;
  Rect changed_;
};

}  // namespace ursa::tk
