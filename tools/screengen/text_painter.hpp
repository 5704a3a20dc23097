// White serif lettering for the screen picture and captions for the art renders, drawn with
// Liberation Serif (found through fontconfig) by SDL2_ttf.
#pragma once

#include <string>

#include "tools/screengen/canvas.hpp"

namespace ursa::screengen {

// Liberation Serif for the picture's lettering; IPAPGothic, the face the game prints its
// numbers in, to preview them on the ending screen.
enum class Face { kSerif, kSerifBold, kGameGothic };

class TextPainter {
 public:
  // Throws std::runtime_error when SDL2_ttf cannot start or a face is missing (another
  // face would change the picture, so none is substituted).
  TextPainter();
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // Letters `text` so that its ink spans `rect`: the height is matched by the font size,
  // the width by the spacing between letters (or, for a tight box, a smaller size centred
  // in it). A dark drop shadow `shadow` pixels down and right keeps it readable on stone.
  // Returns the ink's rectangle.
  Rect Fit(Canvas& canvas, const std::string& text, Face face, Rect rect, Rgb color,
           float shadow) const;
  // Plain text of a pixel size with its ink's top-left at (x, y).
  void Draw(Canvas& canvas, const std::string& text, Face face, int pixelSize, float x, float y,
            Rgb color) const;
  // Text the way the game prints it: the top-left of its text cell at (x, y).
  void DrawCell(Canvas& canvas, const std::string& text, Face face, int pixelSize, int x, int y,
                Rgb color) const;

  static std::string FontFile(Face face);

 private:
  struct Mask;
  Mask Layout(const std::string& text, Face face, int pixelSize, float tracking) const;
  void Paint(Canvas& canvas, const Mask& mask, float x, float y, Rgb color, float opacity) const;
};

}  // namespace ursa::screengen
