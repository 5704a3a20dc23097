// The game's text face on SDL2_ttf. Glyphs are drawn without anti-aliasing: the outlined
// text prints eight blue copies under a white one, and blended fringes would mix the two.
#include "toolkit/text_face.hpp"

#include <ostream>

#include "toolkit/colour.hpp"
#include "toolkit/fatal.hpp"
#include "toolkit/font_lookup.hpp"

namespace ursa::tk {

TextFace::TextFace(std::shared_ptr<void> library, FontPtr font, std::string family)
    : library_(std::move(library)), font_(std::move(font)), family_(std::move(family)) {}

TextFace TextFace::Open(const std::string& family, int pixels, std::ostream& warnings) {
  if (TTF_Init() != 0) {
    throw Error(std::string("cannot start the font renderer (SDL2_ttf): ") + TTF_GetError());
  }
  // SDL2_ttf counts its starts; each open face holds one until it is closed.
  std::shared_ptr<void> library(nullptr, [](void*) { TTF_Quit(); });
  const auto file = FindFontFile(family);
  if (!file) {
    throw Error("no font installed for the game's text: install fonts-ipafont-gothic");
  }
  if (!file->exact) {
    warnings << "ursa: font " << family << " is not installed (install fonts-ipafont-gothic); "
             << "using " << file->family << " at the same size instead\n";
  }
  // SDL_ttf sizes a scalable face in points at the given dpi; at 72 dpi a point is a pixel.
  FontPtr font(TTF_OpenFontDPI(file->path.c_str(), pixels, 72, 72));
  if (!font) {
    throw Error("cannot open the font file " + file->path + ": " + TTF_GetError() +
                " (reinstall fonts-ipafont-gothic)");
  }
  return TextFace(std::move(library), std::move(font), file->family);
}

SurfacePtr TextFace::Render(const std::string& text, uint32_t colour) const {
  if (text.empty()) return nullptr;
  const SDL_Color sdlColour{RedOf(colour), GreenOf(colour), BlueOf(colour), 255};
  SurfacePtr surface(TTF_RenderUTF8_Solid(font_.get(), text.c_str(), sdlColour));
  if (!surface) throw Error(std::string("cannot draw text: ") + TTF_GetError());
  return surface;
}

int TextFace::LineHeight() const { return TTF_FontHeight(font_.get()); }

}  // namespace ursa::tk
