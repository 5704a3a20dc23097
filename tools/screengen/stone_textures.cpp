// Procedural stone: a stretched Voronoi pattern gives the rubble, whose distance to the
// nearest cell border makes the mortar and the bevelled, lit edges of each stone.
#include "tools/screengen/stone_textures.hpp"

#include <algorithm>
#include <cmath>

namespace ursa::screengen {
namespace {

float Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343U ^ static_cast<uint32_t>(y) * 0xD8163841U ^
               seed * 0xCB1AB31FU;
  h ^= h >> 13;
  h *= 0x5BD1E995U;
  h ^= h >> 15;
  return static_cast<float>(h & 0xFFFFFF) / 16777216.0F;
}

Rgb StoneColor(float a, float b, float c) {
  const Rgb grey{0.46F, 0.44F, 0.41F};
  const Rgb brown{0.52F, 0.42F, 0.32F};
  const Rgb dark{0.30F, 0.28F, 0.26F};
  Rgb color = MixRgb(grey, brown, a);
  if (b < 0.22F) {
    color = MixRgb(color, dark, 0.55F);
  }
  return color * (0.88F + 0.2F * c);
}

Rgb BrickColor(float a, float b) {
  const Rgb base{0.70F, 0.31F, 0.19F};
  const Rgb burnt{0.48F, 0.20F, 0.14F};
  const Rgb light{0.80F, 0.44F, 0.27F};
  Rgb color = a < 0.15F ? MixRgb(base, burnt, 0.7F) : (a < 0.3F ? MixRgb(base, light, 0.6F) : base);
  return color * (0.9F + 0.16F * b);
}

}  // namespace

void PaintRubble(Canvas& canvas, Rect rect, float stone, uint32_t seed) {
  // Stones are wider than tall: the pattern is built in a space squeezed along x.
  const float squeeze = 0.7F;
  const float cell = stone * squeeze;
  const float mortar = std::max(1.5F, stone * 0.05F);
  const float bevel = stone * 0.14F;
  const float lx = -0.6F;
  const float ly = -0.8F;  // toward the light: up and to the left
  for (int y = static_cast<int>(rect.y); y < static_cast<int>(rect.Bottom()); ++y) {
    for (int x = static_cast<int>(rect.x); x < static_cast<int>(rect.Right()); ++x) {
      const float px = (static_cast<float>(x) + 0.5F) * squeeze / cell;
      const float py = (static_cast<float>(y) + 0.5F) / cell;
      const int gx = static_cast<int>(std::floor(px));
      const int gy = static_cast<int>(std::floor(py));
      float cx[9];
      float cy[9];
      int best = 0;
      float bestD = 1e9F;
      for (int k = 0; k < 9; ++k) {
        const int ix = gx + k % 3 - 1;
        const int iy = gy + k / 3 - 1;
        cx[k] = static_cast<float>(ix) + 0.15F + 0.7F * Hash(ix, iy, seed);
        cy[k] = static_cast<float>(iy) + 0.15F + 0.7F * Hash(ix, iy, seed + 1);
        const float d = (px - cx[k]) * (px - cx[k]) + (py - cy[k]) * (py - cy[k]);
        if (d < bestD) {
          bestD = d;
          best = k;
        }
      }
      // Distance to the nearest border of this stone's cell, in pixels of the squeezed space.
      float edge = 1e9F;
      for (int k = 0; k < 9; ++k) {
        if (k == best) {
          continue;
        }
        const float dx = cx[k] - cx[best];
        const float dy = cy[k] - cy[best];
        const float len = std::sqrt(dx * dx + dy * dy);
        const float mx = (cx[k] + cx[best]) / 2 - px;
        const float my = (cy[k] + cy[best]) / 2 - py;
        edge = std::min(edge, (mx * dx + my * dy) / len);
      }
      edge *= cell;
      const float grain = Hash(x, y, seed + 7) - 0.5F;
      Rgb color;
      if (edge < mortar) {
        color = Rgb{0.16F, 0.14F, 0.13F} * (1 + 0.2F * grain);
      } else {
        const int id = (gx + best % 3 - 1) * 7919 + (gy + best / 3 - 1);
        color = StoneColor(Hash(id, 3, seed), Hash(id, 5, seed), Hash(id, 9, seed));
        const float ox = px - cx[best];
        const float oy = py - cy[best];
        const float olen = std::max(std::sqrt(ox * ox + oy * oy), 1e-4F);
        const float facing = (ox * lx + oy * ly) / olen;
        const float t = std::clamp((edge - mortar) / bevel, 0.0F, 1.0F);
        const float shade = (1 + (1 - t) * 0.55F * facing) * (0.72F + 0.28F * t);
        color = color * (shade * (1 + 0.12F * grain));
      }
      canvas.Set(x, y, color);
    }
  }
}

void PaintBrickFloor(Canvas& canvas, int top, uint32_t seed) {
  const float horizon = static_cast<float>(top) - 150.0F;
  const float focal = 400;
  const float centre = static_cast<float>(canvas.Width()) / 2;
  const float length = 0.32F;
  const float depth = 0.16F;
  const float joint = 0.014F;
  for (int y = top; y < canvas.Height(); ++y) {
    const float depthZ = focal / (static_cast<float>(y) + 0.5F - horizon);
    const float row = depthZ / depth;
    const int course = static_cast<int>(std::floor(row));
    const float across = row - static_cast<float>(course);
    const float nearness = static_cast<float>(y - top) / static_cast<float>(canvas.Height() - top);
    for (int x = 0; x < canvas.Width(); ++x) {
      const float worldX = (static_cast<float>(x) + 0.5F - centre) * depthZ / focal;
      const float along = worldX / length + (course % 2 == 0 ? 0.0F : 0.5F);
      const int brick = static_cast<int>(std::floor(along));
      const float inBrick = along - static_cast<float>(brick);
      const bool isJoint = across * depth < joint || inBrick * length < joint;
      Rgb color;
      if (isJoint) {
        color = {0.30F, 0.26F, 0.22F};
      } else {
        color = BrickColor(Hash(brick, course, seed), Hash(brick, course, seed + 3));
        // The near edge of each brick catches the light; the far edge sits in the joint's shade.
        color = color * (1.08F - 0.18F * across);
      }
      const float grain = Hash(x, y, seed + 11) - 0.5F;
      canvas.Set(x, y, color * ((0.5F + 0.5F * nearness) * (1 + 0.1F * grain)));
    }
  }
  // The wall's foot lies in the floor's shade.
  for (int y = std::max(top - 24, 0); y < top; ++y) {
    const float t = static_cast<float>(top - y) / 24.0F;
    for (int x = 0; x < canvas.Width(); ++x) {
      canvas.Blend(x, y, {0, 0, 0}, 0.55F * (1 - t) * (1 - t));
    }
  }
}

}  // namespace ursa::screengen
