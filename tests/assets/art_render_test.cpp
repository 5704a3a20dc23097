// The art through our own renderer and painting code: every mesh loads through the
// retained-mode layer, the bear poses, and the screen generator's canvas places renders
// and letters where it is asked to.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "harness/offscreen_display.hpp"
#include "tests/assets/x_scene.hpp"
#include "tools/screengen/bmp_file.hpp"
#include "tools/screengen/canvas.hpp"
#include "tools/screengen/shot.hpp"
#include "tools/screengen/text_painter.hpp"
#include "view/rm/rm.hpp"

namespace ursa::assets_test {
namespace {

using screengen::Canvas;
using screengen::Fit;
using screengen::Rect;

// One offscreen renderer for the rendering tests: it opens a display, which is slow.
class Renderer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    renderer_ = std::make_unique<screengen::ShotRenderer>(URSA_ASSETS_DIR);
  }
  static void TearDownTestSuite() { renderer_.reset(); }
  static std::unique_ptr<screengen::ShotRenderer> renderer_;
};
std::unique_ptr<screengen::ShotRenderer> Renderer::renderer_;

float Coverage(const rm::Image& image, int x0, int y0, int x1, int y1) {
  int drawn = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      drawn += image.At(x, y).a ? 1 : 0;
    }
  }
  return static_cast<float>(drawn) / static_cast<float>((x1 - x0) * (y1 - y0));
}

TEST(OurLoader, LoadsEveryMeshWithItsBounds) {
  harness::OffscreenDisplay display(64, 64);
  const auto d3drm = rm::CreateDirectXRoot(display)->Direct3DRMCreate();
  const struct {
    const char* file;
    float xLo, xHi, yLo, yHi;
  } meshes[] = {{"block.x", -75, 75, 0, 150},    {"block2.x", -75, 75, 0, 150},
                {"block3.x", -50, 50, 100, 140}, {"toge.x", -55, 55, -45, 5},
                {"door.x", -64, 64, 0, 212},     {"light.x", -19, 19, 0, 247},
                {"arrow.x", -44, 48, 0, 106},    {"back.x", -9375, 9375, -3375, 3375}};
  for (const auto& m : meshes) {
    const rm::MeshBuilderPtr builder = d3drm->CreateMeshBuilder();
    builder->LoadFromFile(AssetPath(m.file), 0, 0);
    const rm::Box box = builder->GetBox();
    EXPECT_NEAR(box.min.x, m.xLo, 2) << m.file;
    EXPECT_NEAR(box.max.x, m.xHi, 2) << m.file;
    EXPECT_NEAR(box.min.y, m.yLo, 2) << m.file;
    EXPECT_NEAR(box.max.y, m.yHi, 2) << m.file;
    EXPECT_GT(builder->FaceCount(), 10) << m.file;
  }
}

TEST(OurLoader, PosesTheBearAtTheGamesTimes) {
  harness::OffscreenDisplay display(64, 64);
  const auto d3drm = rm::CreateDirectXRoot(display)->Direct3DRMCreate();
  const rm::FramePtr player = d3drm->CreateFrame(nullptr);
  const rm::AnimationSetPtr walk = d3drm->CreateAnimationSet();
  walk->LoadFromFile(AssetPath("bear.x"), 0, 0, player);
  auto footZ = [&](float time) {
    walk->SetTime(time);
    return rm::TransformPoint(walk->FrameNamed("LegR")->WorldTransform(), {0, -18, 2}).z;
  };
  const float standing = footZ(0);
  const float leaping = footZ(5);
  const float passing = footZ(10);
  EXPECT_GT(leaping, standing + 8) << "the right foot steps forward (+z) at the leap";
  EXPECT_NEAR(passing, standing, 3);
  EXPECT_LT(footZ(15), standing - 8) << "and back half a cycle later";
  EXPECT_NEAR(footZ(2.5F), (footZ(2) + footZ(3)) / 2, 1) << "poses between keys are blended";
}

// A block straight ahead of the game's camera fills the middle of the view and leaves the
// corners to the cleared background.
TEST_F(Renderer, DrawsABlockWhereTheGamesCameraLooks) {
  screengen::Shot shot = screengen::GameView({0, 75, 0}, 200, 150);
  shot.items.push_back(screengen::MeshAt("block.x", {0, 0, 0}));
  const rm::Image image = renderer_->Render(shot);
  EXPECT_GT(Coverage(image, 95, 70, 105, 80), 0.99F);
  EXPECT_EQ(Coverage(image, 0, 0, 20, 20), 0.0F);
}

// Seen from the right, the block's front faces the light and its right side does not: the
// side shows only the material's glow, darker but not black.
TEST_F(Renderer, LightsTheFrontAndLeavesTheSideInShade) {
  screengen::Shot shot = screengen::GameView({0, 75, 0}, 400, 300);
  shot.camera = {400, 250, -1000};
  shot.items.push_back(screengen::MeshAt("block.x", {0, 0, 0}));
  const rm::Image image = renderer_->Render(shot);
  int left = -1;
  int right = -1;
  for (int x = 0; x < 400; ++x) {
    if (image.At(x, 150).a == 0) {
      continue;
    }
    if (left < 0) {
      left = x;
    }
    right = x;
  }
  ASSERT_GT(right - left, 40);
  auto brightness = [&](int x) {
    int sum = 0;
    for (int y = 140; y < 160; ++y) {
      sum += image.At(x, y).r + image.At(x, y).g + image.At(x, y).b;
    }
    return sum;
  };
  const int front = brightness(left + 12);
  const int side = brightness(right - 3);
  EXPECT_GT(front, side * 3 / 2);
  EXPECT_GT(side, 20 * 30) << "the shaded side still glows";
}

// The window loads both pictures with SDL: the screen as plain 24-bit colour, the icon with
// its alpha channel, so the title bar shows the head without a box around it.
TEST(PicturesThroughSdl, LoadWithTheirSizesAndTheIconsAlpha) {
  SDL_Surface* screen = SDL_LoadBMP(AssetPath("screen.bmp").c_str());
  ASSERT_NE(screen, nullptr) << SDL_GetError();
  EXPECT_EQ(screen->w, 320);
  EXPECT_EQ(screen->h, 480);
  EXPECT_EQ(screen->format->BitsPerPixel, 24);
  SDL_FreeSurface(screen);

  SDL_Surface* icon = SDL_LoadBMP(AssetPath("icon.bmp").c_str());
  ASSERT_NE(icon, nullptr) << SDL_GetError();
  EXPECT_EQ(icon->w, 32);
  EXPECT_EQ(icon->h, 32);
  ASSERT_NE(icon->format->Amask, 0U);
  auto alpha = [&](int x, int y) {
    const auto* row = static_cast<const uint8_t*>(icon->pixels) + y * icon->pitch;
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + x * 4, 4);
    uint8_t r;
    uint8_t g;
    uint8_t b;
    uint8_t a;
    SDL_GetRGBA(pixel, icon->format, &r, &g, &b, &a);
    return a;
  };
  EXPECT_EQ(alpha(0, 0), 0);
  EXPECT_EQ(alpha(31, 31), 0);
  EXPECT_EQ(alpha(16, 16), 255);
  SDL_FreeSurface(icon);
}

// Stage 10 recolours sinking platforms one by one: the new colour must take over the
// platform's lit faces (the sides turned from the light keep only a neutral grey glow).
TEST_F(Renderer, ASinkingPlatformTakesTheColorItIsGiven) {
  const struct {
    rm::Vec3 color;
    int channel;  // the channel that must dominate: 0 red, 1 green, 2 blue
  } cases[] = {{{1, 0.1F, 0.1F}, 0}, {{0.1F, 1, 0.1F}, 1}, {{0.1F, 0.1F, 1}, 2}};
  for (const auto& c : cases) {
    screengen::Shot shot = screengen::GameView({0, 120, 0}, 200, 150);
    shot.camera = {0, 200, -400};
    screengen::Placement platform = screengen::MeshAt("block3.x", {0, 0, 0});
    platform.color = c.color;
    shot.items.push_back(platform);
    const rm::Image image = renderer_->Render(shot);
    int dominated = 0;
    int drawn = 0;
    for (int y = 0; y < 150; ++y) {
      for (int x = 0; x < 200; ++x) {
        const auto p = image.At(x, y);
        if (p.a == 0) {
          continue;
        }
        const int v[3] = {p.r, p.g, p.b};
        ++drawn;
        dominated +=
            v[c.channel] > v[(c.channel + 1) % 3] + 30 && v[c.channel] > v[(c.channel + 2) % 3] + 30
                ? 1
                : 0;
      }
    }
    ASSERT_GT(drawn, 500);
    EXPECT_GT(dominated, drawn * 3 / 4) << "channel " << c.channel;
  }
}

TEST(CanvasDrawImage, EnlargingLeavesNoHoles) {
  rm::Image small{10, 10, std::vector<uint8_t>(400, 255)};
  Canvas canvas(40, 40, {}, 0);
  const Rect at = canvas.DrawImage(small, {0, 0, 40, 40}, Fit::kInsideCentre);
  EXPECT_FLOAT_EQ(at.w, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      ASSERT_FLOAT_EQ(canvas.AlphaAt(x, y), 1.0F) << x << ", " << y;
    }
  }
}

TEST(CanvasDrawImage, FitsTheDrawnPartOnly) {
  // A 4 x 8 opaque block inside a larger transparent render.
  rm::Image image{20, 20, std::vector<uint8_t>(1600, 0)};
  for (int y = 6; y < 14; ++y) {
    for (int x = 8; x < 12; ++x) {
      for (int c = 0; c < 4; ++c) {
        image.rgba[(y * 20 + x) * 4 + c] = 255;
      }
    }
  }
  const struct {
    Fit fit;
    Rect expected;
  } cases[] = {
      {Fit::kInsideBottom, {0, 20, 40, 80}},
      {Fit::kInsideCentre, {0, 10, 40, 80}},
      {Fit::kCoverTopRight, {-10, 0, 50, 100}},
      {Fit::kWidthTop, {0, 0, 40, 80}},
  };
  for (const auto& c : cases) {
    Canvas canvas(40, 100, {}, 0);
    const Rect at = canvas.DrawImage(image, {0, 0, 40, 100}, c.fit);
    EXPECT_FLOAT_EQ(at.x, c.expected.x) << static_cast<int>(c.fit);
    EXPECT_FLOAT_EQ(at.y, c.expected.y) << static_cast<int>(c.fit);
    EXPECT_FLOAT_EQ(at.w, c.expected.w) << static_cast<int>(c.fit);
    EXPECT_FLOAT_EQ(at.h, c.expected.h) << static_cast<int>(c.fit);
    const int inside = static_cast<int>(std::max(at.y, 0.0F)) + 1;
    EXPECT_FLOAT_EQ(canvas.AlphaAt(20, inside), 1.0F) << static_cast<int>(c.fit);
  }
}

TEST(CanvasReduced, AveragesBlocksWeightedByCoverage) {
  Canvas canvas(2, 2, {}, 0);
  canvas.Set(0, 0, {1, 0, 0}, 1);
  canvas.Set(1, 1, {0, 0, 1}, 1);
  const Canvas one = canvas.Reduced(2);
  EXPECT_FLOAT_EQ(one.AlphaAt(0, 0), 0.5F);
  EXPECT_FLOAT_EQ(one.At(0, 0).r, 0.5F);
  EXPECT_FLOAT_EQ(one.At(0, 0).b, 0.5F);
}

TEST(Bmp24, WritesBottomUpPaddedBgrRows) {
  Canvas canvas(3, 2);
  canvas.Set(0, 0, {1, 0, 0});  // top-left red
  canvas.Set(2, 1, {0, 0, 1});  // bottom-right blue
  const std::vector<uint8_t> bytes = screengen::EncodeBmp24(canvas);
  ASSERT_EQ(bytes.size(), 54U + 2 * 12U);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(bytes[54 + 6], 255) << "bottom row first: its third pixel's blue";
  EXPECT_EQ(bytes[54 + 8], 0);
  EXPECT_EQ(bytes[54 + 12 + 2], 255) << "then the top row: its first pixel's red";
  EXPECT_EQ(bytes[54 + 9], 0) << "padding";
}

// A wide box spreads the letters to its width at its height; a narrow one gets a smaller
// size, centred. Either way every white pixel stays in the box.
TEST(TextPainter, LettersFillTheirBox) {
  screengen::TextPainter text;
  const struct {
    Rect box;
    bool fullHeight;
  } cases[] = {{{20, 10, 170, 22}, true}, {{20, 10, 90, 40}, false}};
  for (const auto& c : cases) {
    Canvas canvas(200, 60);
    const Rect ink =
        text.Fit(canvas, "ClearTime", screengen::Face::kSerifBold, c.box, {1, 1, 1}, 0);
    EXPECT_NEAR(ink.w, c.box.w, 3);
    EXPECT_NEAR(ink.x, c.box.x, 2);
    if (c.fullHeight) {
      EXPECT_NEAR(ink.h, c.box.h, 2);
    } else {
      EXPECT_LT(ink.h, c.box.h - 10);
      EXPECT_NEAR(ink.y + ink.h / 2, c.box.y + c.box.h / 2, 1.5F);
    }
    int white = 0;
    int outside = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 200; ++x) {
        if (canvas.At(x, y).r < 0.9F) {
          continue;
        }
        const bool in = x >= c.box.x - 1 && x <= c.box.Right() + 1 && y >= c.box.y - 1 &&
                        y <= c.box.Bottom() + 1;
        (in ? white : outside) += 1;
      }
    }
    EXPECT_GT(white, 200);
    EXPECT_EQ(outside, 0);
  }
}

}  // namespace
}  // namespace ursa::assets_test
