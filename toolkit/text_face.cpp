// The game's text face on SDL2_ttf. Glyphs are drawn without anti-aliasing: the outlined
// text prints eight blue copies under a white one, and blended fringes would mix the two.
#include "toolkit/text_face.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <ostream>

#include "toolkit/color.hpp"
#include "toolkit/error.hpp"
#include "toolkit/font_lookup.hpp"

namespace ursa::tk {

// SDL2_ttf counts its starts; each open face holds one until it is closed.
struct TextFace::Font {
  explicit Font(TTF_Font* opened) : face(opened) {}
  ~Font() {
    TTF_CloseFont(face);
    TTF_Quit();
  }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  TTF_Font* face;
};

TextFace::TextFace(std::shared_ptr<const Font> font, std::string family)
    : font_(std::move(font)), family_(std::move(family)) {}

TextFace TextFace::Open(const std::string& family, int pixels, std::ostream& warnings) {
  if (TTF_Init() != 0) {
    throw Error(std::string("cannot start the font renderer (SDL2_ttf): ") + TTF_GetError());
  }
  const auto file = FindFontFile(family);
  if (!file) {
    TTF_Quit();
    throw Error("no font installed for the game's text: install fonts-ipafont-gothic");
  }
  if (!file->exact) {
    warnings << "ursa: font " << family << " is not installed (install fonts-ipafont-gothic); "
             << "using " << file->family << " at the same size instead\n";
  }
  // SDL_ttf sizes a scalable face in points at the given dpi; at 72 dpi a point is a pixel.
  TTF_Font* face = TTF_OpenFontDPI(file->path.c_str(), pixels, 72, 72);
  if (face == nullptr) {
    const std::string why = TTF_GetError();
    TTF_Quit();
    throw Error("cannot open the font file " + file->path + ": " + why +
                " (reinstall fonts-ipafont-gothic)");
  }
  return {std::make_shared<const Font>(face), file->family};
}

SurfacePtr TextFace::Render(const std::string& text, uint32_t color) const {
  if (text.empty()) return nullptr;
  const SDL_Color sdlColor{RedOf(color), GreenOf(color), BlueOf(color), 255};
  SurfacePtr surface(TTF_RenderUTF8_Solid(font_->face, text.c_str(), sdlColor));
  if (!surface) throw Error(std::string("cannot draw text: ") + TTF_GetError());
  return surface;
}

int TextFace::LineHeight() const { return TTF_FontHeight(font_->face); }

int TextFace::Ascent() const { return TTF_FontAscent(font_->face); }

int TextFace::TextWidth(const std::string& text) const {
  int width = 0;
  if (!text.empty() && TTF_SizeUTF8(font_->face, text.c_str(), &width, nullptr) != 0) {
    throw Error(std::string("cannot measure text: ") + TTF_GetError());
  }
  return width;
}

}  // namespace ursa::tk
