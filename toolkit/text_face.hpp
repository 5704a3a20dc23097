// The face all of the game's text is printed in: IPAPGothic at 32 pixels (24 points at
// 96 dpi), or another installed face at the same size when it is missing.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "toolkit/surface.hpp"

namespace ursa::tk {

inline constexpr const char* kGameFontFamily = "IPAPGothic";
inline constexpr int kGameFontPixels = 32;

class TextFace {
 public:
  // Opens `family` at `pixels` pixels per em. A stand-in face is announced once on
  // `warnings`; no usable face at all throws Error.
  static TextFace Open(const std::string& family, int pixels, std::ostream& warnings);

  // The text in `color` (packed, blue high) on a transparent background, glyph edges hard
  // so that overlapping prints keep clean color borders; the surface's top edge is the top
  // of the text line. Null for empty text.
  SurfacePtr Render(const std::string& text, uint32_t color) const;
  // Height of a text line (the full character cell) in pixels.
  int LineHeight() const;
  // How far the base line lies below the top of the line: texts of two faces printed with
  // their tops this much apart stand on one line.
  int Ascent() const;
  // Width of the text's cells in pixels: how far a print of it reaches to the right.
  int TextWidth(const std::string& text) const;
  const std::string& Family() const { return family_; }

 private:
  struct Font;  // the open SDL_ttf face; SDL_ttf stays started while it is open

  TextFace(std::shared_ptr<const Font> font, std::string family);

  std::shared_ptr<const Font> font_;
  std::string family_;
};

}  // namespace ursa::tk
