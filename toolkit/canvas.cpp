// The backing image's 2D operations on a CPU surface. It keeps its content until drawn
// over, so a screen stays up without ever being redrawn by the game.
#include "toolkit/canvas.hpp"

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "toolkit/color.hpp"
#include "toolkit/error.hpp"
#include "toolkit/text_face.hpp"

namespace ursa::tk {
namespace {

constexpr uint32_t ToArgb(uint32_t color) {
  return 0xFF000000u | (uint32_t{RedOf(color)} << 16) | (uint32_t{GreenOf(color)} << 8) |
         BlueOf(color);
}

// Nearest source pixel of destination offset `d` in a copy of `sourceSize` over `destSize`:
// the source pixel whose span covers the destination pixel's centre.
int SourceOffset(int d, int sourceSize, int destSize) {
  return static_cast<int>((2LL * d + 1) * sourceSize / (2LL * destSize));
}

}  // namespace

Canvas::Canvas(const TextFace& face)
    : face_(face),
      surface_(SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888)) {
  if (!surface_) throw Error(std::string("cannot create the window image: ") + SDL_GetError());
  SDL_SetSurfaceBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
  Cls();
}

uint32_t* Canvas::Row(int y) const {
  return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface_->pixels) + y * surface_->pitch);
}

void Canvas::Changed(Rect area) {
  changed_ = Union(changed_, Intersection(area, {0, 0, kWidth, kHeight}));
}

Rect Canvas::TakeChanged() { return std::exchange(changed_, {}); }

void Canvas::Cls() {
  SDL_FillRect(surface_.get(), nullptr, ToArgb(kBlack));
  currentX_ = 0;
  currentY_ = 0;
  Changed({0, 0, kWidth, kHeight});
}

void Canvas::PaintPicture(const Image& picture, Rect source, Rect dest) {
  if (picture.Empty() || source.width <= 0 || source.height <= 0 || dest.width <= 0 ||
      dest.height <= 0) {
    return;
  }
  // Only the destination pixels inside the window are visited, however large the rectangle.
  const int firstRow = std::max(0, -dest.y);
  const int endRow = static_cast<int>(std::min<long long>(dest.height, 0LL + kHeight - dest.y));
  const int firstColumn = std::max(0, -dest.x);
  const int endColumn = static_cast<int>(std::min<long long>(dest.width, 0LL + kWidth - dest.x));
  for (int dy = firstRow; dy < endRow; ++dy) {
    const int sy = source.y + SourceOffset(dy, source.height, dest.height);
    if (sy < 0 || sy >= picture.Height()) continue;
    uint32_t* row = Row(dest.y + dy);
    for (int dx = firstColumn; dx < endColumn; ++dx) {
      const int sx = source.x + SourceOffset(dx, source.width, dest.width);
      if (sx < 0 || sx >= picture.Width()) continue;
      row[dest.x + dx] = ToArgb(picture.Pixel(sx, sy));
    }
  }
  Changed({dest.x + firstColumn, dest.y + firstRow, endColumn - firstColumn, endRow - firstRow});
}

uint32_t Canvas::Point(int x, int y) const {
  if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return kNoPixel;
  const uint32_t argb = Row(y)[x];
  return PackColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void Canvas::PSet(int x, int y, uint32_t color) {
  currentX_ = x;
  currentY_ = y;
  if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return;
  Row(y)[x] = ToArgb(color);
  Changed({x, y, 1, 1});
}

void Canvas::Fill(Rect area, uint32_t color) {
  SDL_Rect cut{area.x, area.y, area.width, area.height};
  SDL_FillRect(surface_.get(), &cut, ToArgb(color));
  Changed(area);
}

std::vector<uint32_t> Canvas::Copy(Rect area) const {
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(area.width) * area.height);
  for (int y = area.y; y < area.y + area.height; ++y) {
    pixels.insert(pixels.end(), Row(y) + area.x, Row(y) + area.x + area.width);
  }
  return pixels;
}

void Canvas::Paste(Rect area, const std::vector<uint32_t>& pixels) {
  for (int y = 0; y < area.height; ++y) {
    const auto from = pixels.begin() + static_cast<std::ptrdiff_t>(y) * area.width;
    std::copy(from, from + area.width, Row(area.y + y) + area.x);
  }
  Changed(area);
}

void Canvas::Print(const std::string& text) { Print(text, face_); }

void Canvas::Print(const std::string& text, const TextFace& face) {
  SurfacePtr glyphs = face.Render(text, foreColor_);
  if (glyphs) {
    SDL_Rect at{currentX_, currentY_, glyphs->w, glyphs->h};
    if (SDL_BlitSurface(glyphs.get(), nullptr, surface_.get(), &at) != 0) {
      throw Error(std::string("cannot print text: ") + SDL_GetError());
    }
    Changed({currentX_, currentY_, glyphs->w, glyphs->h});
  }
  currentX_ = 0;
  currentY_ += face.LineHeight();
}

int Canvas::TextWidth(const std::string& text) const { return face_.TextWidth(text); }

}  // namespace ursa::tk
