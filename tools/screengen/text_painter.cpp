// Text layout by glyph: every character is rendered on its own and set at its place in the
// string plus any extra letter spacing, into an alpha mask whose ink box is then placed.
#include "tools/screengen/text_painter.hpp"

#include <SDL2/SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

namespace ursa::screengen {

struct TextPainter::Mask {
  int width = 0, height = 0;
  std::vector<float> alpha;
  int inkX0 = 0, inkY0 = 0, inkX1 = -1, inkY1 = -1;  // inclusive ink box
  float InkWidth() const { return static_cast<float>(inkX1 - inkX0 + 1); }
  float InkHeight() const { return static_cast<float>(inkY1 - inkY0 + 1); }
};

namespace {

// Room around the text in a layout's mask, for glyphs that overhang their cell.
constexpr int kPad = 4;

// The string cut into its characters (UTF-8 sequences).
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t n = lead < 0x80 ? 1 : (lead < 0xE0 ? 2 : (lead < 0xF0 ? 3 : 4));
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

std::map<std::pair<Face, int>, TTF_Font*>& FontCache() {
  static std::map<std::pair<Face, int>, TTF_Font*> cache;
  return cache;
}

TTF_Font* OpenFont(Face face, int pixelSize) {
  auto& cache = FontCache();
  const auto key = std::make_pair(face, pixelSize);
  if (auto it = cache.find(key); it != cache.end()) {
    return it->second;
  }
  TTF_Font* font = TTF_OpenFont(TextPainter::FontFile(face).c_str(), pixelSize);
  if (font == nullptr) {
    throw std::runtime_error(std::string("TTF_OpenFont: ") + TTF_GetError());
  }
  cache[key] = font;
  return font;
}

}  // namespace

TextPainter::TextPainter() {
  if (TTF_Init() != 0) {
    throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
  }
}

TextPainter::~TextPainter() {
  for (auto& [key, font] : FontCache()) {
    TTF_CloseFont(font);
  }
  FontCache().clear();
  TTF_Quit();
}

std::string TextPainter::FontFile(Face face) {
  const char* family = face == Face::kGameGothic ? "IPAPGothic" : "Liberation Serif";
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT,
                      face == Face::kSerifBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  std::string file;
  std::string matchedFamily;
  if (match != nullptr) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch) {
      file = reinterpret_cast<char*>(value);
    }
    if (FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch) {
      matchedFamily = reinterpret_cast<char*>(value);
    }
    FcPatternDestroy(match);
  }
  if (file.empty() || matchedFamily != family) {
    throw std::runtime_error(std::string(family) +
                             " not found (Debian packages fonts-liberation2, " +
                             "fonts-ipafont-gothic)");
  }
  return file;
}

TextPainter::Mask TextPainter::Layout(const std::string& text, Face face, int pixelSize,
                                      float tracking) const {
  TTF_Font* font = OpenFont(face, pixelSize);
  int fullWidth = 0;
  int lineHeight = 0;
  TTF_SizeUTF8(font, text.c_str(), &fullWidth, &lineHeight);
  Mask mask;
  const std::vector<std::string> chars = Characters(text);
  mask.width =
      fullWidth +
      static_cast<int>(std::ceil(std::max(tracking, 0.0F) * static_cast<float>(chars.size()))) +
      2 * kPad;
  mask.height = lineHeight + 2 * kPad;
  mask.alpha.assign(static_cast<size_t>(mask.width) * mask.height, 0.0F);
  auto blit = [&](const std::string& piece, int ox) {
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, piece.c_str(), {255, 255, 255, 255});
    if (rendered == nullptr) {
      throw std::runtime_error(std::string("TTF_Render: ") + TTF_GetError());
    }
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    for (int y = 0; y < surface->h; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(
          static_cast<const uint8_t*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch);
      for (int x = 0; x < surface->w; ++x) {
        const float a = static_cast<float>(row[x] >> 24) / 255.0F;
        const int mx = kPad + ox + x;
        const int my = kPad + y;
        if (a <= 0 || mx < 0 || mx >= mask.width || my >= mask.height) {
          continue;
        }
        float& slot = mask.alpha[static_cast<size_t>(my) * mask.width + mx];
        slot = std::max(slot, a);
      }
    }
    SDL_FreeSurface(surface);
  };
  if (tracking == 0) {
    blit(text, 0);
  } else {
    // Each letter ends where it ends in the unspaced string (kerning included), then moves
    // right by the spacing gathered before it.
    std::string upTo;
    for (size_t i = 0; i < chars.size(); ++i) {
      upTo += chars[i];
      if (chars[i] == " ") {
        continue;
      }
      int endWidth = 0;
      int glyphWidth = 0;
      int h = 0;
      TTF_SizeUTF8(font, upTo.c_str(), &endWidth, &h);
      TTF_SizeUTF8(font, chars[i].c_str(), &glyphWidth, &h);
      blit(chars[i],
           endWidth - glyphWidth + static_cast<int>(std::lround(tracking * static_cast<float>(i))));
    }
  }
  mask.inkX0 = mask.width;
  mask.inkY0 = mask.height;
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      if (mask.alpha[static_cast<size_t>(y) * mask.width + x] < 0.25F) {
        continue;
      }
      mask.inkX0 = std::min(mask.inkX0, x);
      mask.inkY0 = std::min(mask.inkY0, y);
      mask.inkX1 = std::max(mask.inkX1, x);
      mask.inkY1 = std::max(mask.inkY1, y);
    }
  }
  return mask;
}

void TextPainter::Paint(Canvas& canvas, const Mask& mask, float x, float y, Rgb color,
                        float opacity) const {
  const int ox = static_cast<int>(std::lround(x)) - mask.inkX0;
  const int oy = static_cast<int>(std::lround(y)) - mask.inkY0;
  for (int my = 0; my < mask.height; ++my) {
    for (int mx = 0; mx < mask.width; ++mx) {
      const float a = mask.alpha[static_cast<size_t>(my) * mask.width + mx];
      if (a > 0) {
        canvas.Blend(ox + mx, oy + my, color, a * opacity);
      }
    }
  }
}

Rect TextPainter::Fit(Canvas& canvas, const std::string& text, Face face, Rect rect, Rgb color,
                      float shadow) const {
  // Ink height grows in proportion to the size: two measurements find the size.
  int size = std::max(4, static_cast<int>(rect.h * 1.4F));
  for (int pass = 0; pass < 3; ++pass) {
    const Mask probe = Layout(text, face, size, 0);
    size = std::max(
        4, static_cast<int>(std::lround(static_cast<float>(size) * rect.h / probe.InkHeight())));
  }
  Mask mask = Layout(text, face, size, 0);
  const int gaps = static_cast<int>(Characters(text).size()) - 1;
  if (mask.InkWidth() > rect.w) {
    size = static_cast<int>(static_cast<float>(size) * rect.w / mask.InkWidth());
    mask = Layout(text, face, size, 0);
  }
  // Whole pixel sizes leave the ink a little short: spacing makes up the rest.
  if (mask.InkWidth() < rect.w && gaps > 0) {
    mask = Layout(text, face, size, (rect.w - mask.InkWidth()) / static_cast<float>(gaps));
  }
  const float x = rect.x + (rect.w - mask.InkWidth()) / 2;
  const float y = rect.y + (rect.h - mask.InkHeight()) / 2;
  if (shadow > 0) {
    // A soft dark halo lifts the letters off the busy stone, then a crisper drop shadow.
    const Rgb dark{0.05F, 0.04F, 0.04F};
    const int radius = static_cast<int>(std::lround(shadow * 1.5F));
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        if (dx * dx + dy * dy > radius * radius) {
          continue;
        }
        Paint(canvas, mask, x + static_cast<float>(dx), y + static_cast<float>(dy), dark, 0.05F);
      }
    }
    Paint(canvas, mask, x + shadow, y + shadow, dark, 0.7F);
  }
  Paint(canvas, mask, x, y, color, 1);
  return {x, y, mask.InkWidth(), mask.InkHeight()};
}

void TextPainter::DrawCell(Canvas& canvas, const std::string& text, Face face, int pixelSize, int x,
                           int y, Rgb color) const {
  const Mask mask = Layout(text, face, pixelSize, 0);
  // Paint places the ink's corner; the cell's corner lies kPad before the mask's start.
  Paint(canvas, mask, static_cast<float>(x - kPad + mask.inkX0),
        static_cast<float>(y - kPad + mask.inkY0), color, 1);
}

void TextPainter::Draw(Canvas& canvas, const std::string& text, Face face, int pixelSize, float x,
                       float y, Rgb color) const {
  Paint(canvas, Layout(text, face, pixelSize, 0), x, y, color, 1);
}

}  // namespace ursa::screengen
