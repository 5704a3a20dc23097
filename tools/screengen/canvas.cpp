// Painting operations of the screen generator's canvas.
// Resampling averages every source pixel whose centre falls in a target pixel, which suits
// the large reductions from supersampled renders.
#include "tools/screengen/canvas.hpp"

#include <algorithm>
#include <cmath>

namespace ursa::screengen {

uint8_t ToByte(float v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0F, 1.0F) * 255.0F));
}

Canvas::Canvas(int width, int height, Rgb fill, float alpha)
    : width_(width),
      height_(height),
      color_(static_cast<size_t>(width) * height, fill),
      alpha_(static_cast<size_t>(width) * height, alpha) {}

void Canvas::Set(int x, int y, Rgb c, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return;
  }
  color_[Index(x, y)] = c;
  alpha_[Index(x, y)] = alpha;
}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) {
    return;
  }
  const size_t i = Index(x, y);
  const float a = std::min(alpha, 1.0F);
  const float old = alpha_[i];
  const float out = a + old * (1 - a);
  if (out <= 0) {
    return;
  }
  // Straight (not premultiplied) colour, so a transparent canvas keeps clean edges.
  color_[i] = (c * a + color_[i] * (old * (1 - a))) * (1.0F / out);
  alpha_[i] = out;
}

Rect Canvas::DrawImage(const rm::Image& image, Rect rect, Fit fit) {
  int x0 = image.width;
  int y0 = image.height;
  int x1 = -1;
  int y1 = -1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.At(x, y).a == 0) {
        continue;
      }
      x0 = std::min(x0, x);
      y0 = std::min(y0, y);
      x1 = std::max(x1, x);
      y1 = std::max(y1, y);
    }
  }
  if (x1 < 0) {
    return {};
  }
  return DrawRegion(image, x0, y0, x1, y1, rect, fit);
}

Rect Canvas::DrawWholeImage(const rm::Image& image, Rect rect, Fit fit) {
  return DrawRegion(image, 0, 0, image.width - 1, image.height - 1, rect, fit);
}

Rect Canvas::DrawRegion(const rm::Image& image, int x0, int y0, int x1, int y1, Rect rect,
                        Fit fit) {
  const float sw = static_cast<float>(x1 - x0 + 1);
  const float sh = static_cast<float>(y1 - y0 + 1);
  float scale = 1;
  Rect dst;
  switch (fit) {
    case Fit::kInsideBottom:
    case Fit::kInsideCentre:
      scale = std::min(rect.w / sw, rect.h / sh);
      dst = {rect.x + (rect.w - sw * scale) / 2,
             fit == Fit::kInsideBottom ? rect.Bottom() - sh * scale
                                       : rect.y + (rect.h - sh * scale) / 2,
             sw * scale, sh * scale};
      break;
    case Fit::kCoverTopRight:
      scale = std::max(rect.w / sw, rect.h / sh);
      dst = {rect.Right() - sw * scale, rect.y, sw * scale, sh * scale};
      break;
    case Fit::kWidthTop:
      scale = rect.w / sw;
      dst = {rect.x, rect.y, rect.w, sh * scale};
      break;
  }
  const int px0 = static_cast<int>(std::floor(dst.x));
  const int py0 = static_cast<int>(std::floor(dst.y));
  const int px1 = static_cast<int>(std::ceil(dst.Right()));
  const int py1 = static_cast<int>(std::ceil(dst.Bottom()));
  for (int py = std::max(py0, 0); py < std::min(py1, height_); ++py) {
    for (int px = std::max(px0, 0); px < std::min(px1, width_); ++px) {
      // The source pixels whose centres fall inside this canvas pixel.
      const float sx0 = (static_cast<float>(px) - dst.x) / scale + x0;
      const float sy0 = (static_cast<float>(py) - dst.y) / scale + y0;
      const float sx1 = sx0 + 1 / scale;
      const float sy1 = sy0 + 1 / scale;
      int ix0 = std::max(static_cast<int>(std::ceil(sx0 - 0.5F)), x0);
      int iy0 = std::max(static_cast<int>(std::ceil(sy0 - 0.5F)), y0);
      int ix1 = std::min(static_cast<int>(std::ceil(sx1 - 0.5F)), x1 + 1);
      int iy1 = std::min(static_cast<int>(std::ceil(sy1 - 0.5F)), y1 + 1);
      // When enlarging, no source centre may fall inside: take the nearest pixel instead.
      if (ix0 >= ix1) {
        ix0 = std::clamp(static_cast<int>((sx0 + sx1) / 2), x0, x1);
        ix1 = ix0 + 1;
      }
      if (iy0 >= iy1) {
        iy0 = std::clamp(static_cast<int>((sy0 + sy1) / 2), y0, y1);
        iy1 = iy0 + 1;
      }
      float r = 0;
      float g = 0;
      float b = 0;
      float a = 0;
      int n = 0;
      for (int sy = iy0; sy < iy1; ++sy) {
        for (int sx = ix0; sx < ix1; ++sx) {
          const auto p = image.At(sx, sy);
          const float pa = p.a / 255.0F;
          r += p.r / 255.0F * pa;
          g += p.g / 255.0F * pa;
          b += p.b / 255.0F * pa;
          a += pa;
          ++n;
        }
      }
      if (n == 0 || a <= 0) {
        continue;
      }
      Blend(px, py, {r / a, g / a, b / a}, a / static_cast<float>(n));
    }
  }
  return dst;
}

void Canvas::Shadow(float cx, float cy, float rx, float ry, float strength) {
  for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry) + 1; ++y) {
    for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx) + 1; ++x) {
      const float dx = (static_cast<float>(x) + 0.5F - cx) / rx;
      const float dy = (static_cast<float>(y) + 0.5F - cy) / ry;
      const float d = dx * dx + dy * dy;
      if (d < 1) {
        Blend(x, y, {0, 0, 0}, strength * (1 - d) * (1 - d));
      }
    }
  }
}

void Canvas::DarkenColumns(float leftFactor, float rightFactor) {
  for (int x = 0; x < width_; ++x) {
    const float t = static_cast<float>(x) / static_cast<float>(width_ - 1);
    const float f = leftFactor + (rightFactor - leftFactor) * t;
    for (int y = 0; y < height_; ++y) {
      color_[Index(x, y)] = color_[Index(x, y)] * f;
    }
  }
}

void Canvas::Vignette(float centre, float corner) {
  const float cx = static_cast<float>(width_) / 2;
  const float cy = static_cast<float>(height_) / 2;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float dx = (static_cast<float>(x) + 0.5F - cx) / cx;
      const float dy = (static_cast<float>(y) + 0.5F - cy) / cy;
      const float d = std::min((dx * dx + dy * dy) / 2, 1.0F);
      color_[Index(x, y)] = color_[Index(x, y)] * (centre + (corner - centre) * d);
    }
  }
}

Canvas Canvas::Reduced(int factor) const {
  Canvas out(width_ / factor, height_ / factor);
  const float n = static_cast<float>(factor * factor);
  for (int y = 0; y < out.height_; ++y) {
    for (int x = 0; x < out.width_; ++x) {
      Rgb sum;
      float alpha = 0;
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          const size_t i = Index(x * factor + dx, y * factor + dy);
          sum = sum + color_[i] * alpha_[i];
          alpha += alpha_[i];
        }
      }
      out.Set(x, y, alpha > 0 ? sum * (1.0F / alpha) : Rgb{}, alpha / n);
    }
  }
  return out;
}

void Canvas::Paste(const Canvas& other, int x, int y) {
  for (int sy = 0; sy < other.height_; ++sy) {
    for (int sx = 0; sx < other.width_; ++sx) {
      Set(x + sx, y + sy, other.At(sx, sy), other.AlphaAt(sx, sy));
    }
  }
}

}  // namespace ursa::screengen
