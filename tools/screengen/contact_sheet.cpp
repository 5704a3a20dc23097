// Lays the art renders out in a grid of captioned cells on a dark page, and converts
// between the canvas and 8-bit images.
#include "tools/screengen/contact_sheet.hpp"

#include <algorithm>

namespace ursa::screengen {
namespace {

constexpr int kColumns = 4;
constexpr int kCellWidth = 320, kCellHeight = 240, kCaption = 26, kGap = 12;

}  // namespace

rm::Image ToImage(const Canvas& canvas) {
  rm::Image image{canvas.Width(), canvas.Height(), {}};
  image.rgba.reserve(static_cast<size_t>(canvas.Width()) * canvas.Height() * 4);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb c = canvas.At(x, y);
      image.rgba.insert(image.rgba.end(),
                        {ToByte(c.r), ToByte(c.g), ToByte(c.b), ToByte(canvas.AlphaAt(x, y))});
    }
  }
  return image;
}

Canvas FromImage(const rm::Image& image, int scale) {
  Canvas canvas(image.width * scale, image.height * scale);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const auto p = image.At(x / scale, y / scale);
      canvas.Set(x, y, {p.r / 255.0F, p.g / 255.0F, p.b / 255.0F});
    }
  }
  return canvas;
}

Canvas ContactSheet(const std::vector<NamedRender>& renders, const TextPainter& text) {
  const int rows = (static_cast<int>(renders.size()) + kColumns - 1) / kColumns;
  const int width = kColumns * (kCellWidth + kGap) + kGap;
  const int height = rows * (kCellHeight + kCaption + kGap) + kGap;
  Canvas sheet(width, height, {0.11F, 0.10F, 0.10F});
  for (size_t i = 0; i < renders.size(); ++i) {
    const int col = static_cast<int>(i) % kColumns;
    const int row = static_cast<int>(i) / kColumns;
    const float x = static_cast<float>(kGap + col * (kCellWidth + kGap));
    const float y = static_cast<float>(kGap + row * (kCellHeight + kCaption + kGap));
    // A soft backdrop for renders of a single object, which leave most of the view empty.
    for (int py = 0; py < kCellHeight; ++py) {
      const float t = static_cast<float>(py) / kCellHeight;
      for (int px = 0; px < kCellWidth; ++px) {
        sheet.Set(static_cast<int>(x) + px, static_cast<int>(y) + py,
                  MixRgb({0.33F, 0.36F, 0.42F}, {0.18F, 0.19F, 0.22F}, t));
      }
    }
    // Each render keeps its framing: its whole view is fitted, not just what it drew.
    sheet.DrawWholeImage(renders[i].image, {x, y, kCellWidth, kCellHeight}, Fit::kInsideCentre);
    text.Draw(sheet, renders[i].label, Face::kSerif, 17, x + 4, y + kCellHeight + 7,
              {0.92F, 0.9F, 0.86F});
  }
  return sheet;
}

}  // namespace ursa::screengen
