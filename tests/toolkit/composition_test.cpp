// What the player sees: the backing image, the device image in Picture1 only while it is
// visible, the 16-bit reduction of the 16-bit display mode, and the screenshot of it all.
#include <epoxy/gl.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "form_fixture.hpp"
#include "gl/render_target.hpp"
#include "toolkit/composer.hpp"
#include "toolkit/picture_box.hpp"
#include "toolkit/scaler.hpp"
#include "toolkit/surface.hpp"

namespace ursa::tk {
namespace {

// One channel cut to `bits` bits the way a 16-bit display mode stores it, then widened
// back to 8 bits by repeating its top bits, so full intensity stays 255 and black stays 0.
constexpr uint8_t ReduceChannel(uint8_t value, int bits) {
  const int kept = value >> (8 - bits);
  return static_cast<uint8_t>((kept << (8 - bits)) | (kept >> (2 * bits - 8)));
}

uint32_t BackingColor(int x, int y) { return PackColor(x & 0xF8, y & 0xFC, 0x40); }
uint32_t DeviceColor(int x, int row) { return PackColor(0x80, x & 0xF8, row & 0xF8); }

class CompositionTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) form->Canvas().PSet(x, y, BackingColor(x, y));
    }
  }
  void TearDown() override {
    if (deviceTexture != 0) glDeleteTextures(1, &deviceTexture);
  }

  // A device image as the renderer leaves it: RGBA8, row 0 at the bottom.
  void MakeDeviceImage(int width, int height) {
    std::vector<uint8_t> texels(static_cast<size_t>(width) * height * 4);
    for (int glRow = 0; glRow < height; ++glRow) {
      for (int x = 0; x < width; ++x) {
        const uint32_t c = DeviceColor(x, height - 1 - glRow);
        uint8_t* t = &texels[(static_cast<size_t>(glRow) * width + x) * 4];
        t[0] = RedOf(c);
        t[1] = GreenOf(c);
        t[2] = BlueOf(c);
        t[3] = 255;
      }
    }
    ASSERT_TRUE(form->MakeContextCurrent());
    glGenTextures(1, &deviceTexture);
    gl::DefineColorTexture(deviceTexture, width, height, gl::Filter::kNearest);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                    texels.data());
  }

  // Counts the window pixels of the screenshot that differ from `expected`.
  template <typename Expected>
  int Mismatches(const RgbImage& shot, Expected expected) {
    int wrong = 0;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) wrong += shot.At(x, y) != expected(x, y);
    }
    return wrong;
  }

  GLuint deviceTexture = 0;
};

TEST_F(CompositionTest, HiddenPictureBoxShowsOnlyTheBackingImage) {
  MakeDeviceImage(640, 480);
  form->Picture1().ShowDeviceImage({deviceTexture, 640, 480});
  EXPECT_FALSE(form->Picture1().Visible());
  EXPECT_EQ(Mismatches(form->Screenshot(), BackingColor), 0);
  form->Picture1().SetVisible(true);
  EXPECT_EQ(form->Screenshot().At(320, 240), kBlack) << "an image shown while hidden appeared";
}

TEST_F(CompositionTest, VisiblePictureBoxShowsTheDeviceImageBelowTheHudBand) {
  MakeDeviceImage(640, 480);
  form->Picture1().SetVisible(true);
  const auto inBoxOnly = [](auto insideBox) {
    return [=](int x, int y) { return y >= 50 ? insideBox(x, y) : BackingColor(x, y); };
  };
  // Shown, before the device has drawn: the box's black background.
  EXPECT_EQ(Mismatches(form->Screenshot(), inBoxOnly([](int, int) { return kBlack; })), 0);
  // The device image's top-left at the box's top-left; its last 50 rows fall outside.
  form->Picture1().ShowDeviceImage({deviceTexture, 640, 480});
  const auto device = inBoxOnly([](int x, int y) { return DeviceColor(x, y - 50); });
  EXPECT_EQ(Mismatches(form->Screenshot(), device), 0);
  // A new HUD is drawn over the band; the box keeps the last device image.
  form->Canvas().PSet(3, 4, kWhite);
  form->DoEvents();
  const RgbImage afterHud = form->Screenshot();
  EXPECT_EQ(afterHud.At(3, 4), kWhite);
  EXPECT_EQ(
      Mismatches(afterHud, [&](int x, int y) { return x == 3 && y == 4 ? kWhite : device(x, y); }),
      0);
  form->Picture1().SetVisible(false);
  form->Canvas().PSet(3, 4, BackingColor(3, 4));
  EXPECT_EQ(Mismatches(form->Screenshot(), BackingColor), 0);
  // Shown again, the box starts from its black background.
  form->Picture1().SetVisible(true);
  EXPECT_EQ(Mismatches(form->Screenshot(), inBoxOnly([](int, int) { return kBlack; })), 0);
}

TEST_F(CompositionTest, SmallerDeviceImageLeavesTheRestOfTheBoxBlack) {
  MakeDeviceImage(320, 200);
  form->Picture1().SetVisible(true);
  form->Picture1().ShowDeviceImage({deviceTexture, 320, 200});
  EXPECT_EQ(Mismatches(form->Screenshot(),
                       [](int x, int y) {
                         if (y < 50) return BackingColor(x, y);
                         return x < 320 && y < 250 ? DeviceColor(x, y - 50) : kBlack;
                       }),
            0);
}

TEST_F(CompositionTest, SixteenBitModeReducesWhatThePlayerSeesTo565) {
  const uint32_t colors[] = {kWhite, kBlue, kBlack, 0x123456, 0x07FB0C, 0x808080};
  for (int i = 0; i < 6; ++i) form->Canvas().PSet(i, 0, colors[i]);
  // Every level of every channel, on the second row.
  for (int v = 0; v < 256; ++v) form->Canvas().PSet(v, 1, PackColor(v, v, v));
  const RgbImage full = form->Screenshot();
  form->SetDisplayMode(640, 480, 16);
  const RgbImage reduced = form->Screenshot();
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(reduced.At(v, 1),
              PackColor(ReduceChannel(v, 5), ReduceChannel(v, 6), ReduceChannel(v, 5)))
        << "level " << v;
  }
  for (int i = 0; i < 6; ++i) {
    const uint32_t c = colors[i];
    EXPECT_EQ(full.At(i, 0), c);
    EXPECT_EQ(reduced.At(i, 0), PackColor(ReduceChannel(RedOf(c), 5), ReduceChannel(GreenOf(c), 6),
                                          ReduceChannel(BlueOf(c), 5)))
        << std::hex << c;
  }
  EXPECT_EQ(reduced.At(0, 0), kWhite);
  EXPECT_EQ(reduced.At(1, 0), kBlue);
  EXPECT_EQ(reduced.At(3, 0), PackColor(0x52, 0x34, 0x10)) << "0x123456 in 5-6-5";
  EXPECT_EQ(form->Canvas().Point(3, 0), 0x123456u) << "the reduction changed the backing image";
}

TEST_F(CompositionTest, OtherDisplayModesAreRefused) {
  EXPECT_THROW(form->SetDisplayMode(800, 600, 16), Error);
}

// The renderer shares the context and leaves its own state behind: composing sets all it draws
// and reads with, so the picture is the same whatever it finds.
TEST_F(CompositionTest, ComposingIsTheSameWhateverStateTheRendererLeft) {
  MakeDeviceImage(640, 480);
  form->Picture1().SetVisible(true);
  GLuint framebuffer = 0;
  GLuint color = 0;
  glGenTextures(1, &color);
  gl::DefineColorTexture(color, 64, 64, gl::Filter::kNearest);
  glGenFramebuffers(1, &framebuffer);
  gl::AttachTargets(framebuffer, color);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CW);  // the full-window triangle would face away
  glEnable(GL_SCISSOR_TEST);
  glScissor(1, 2, 3, 4);
  glViewport(120, 65, 400, 300);
  glColorMask(GL_FALSE, GL_TRUE, GL_TRUE, GL_TRUE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ZERO, GL_ONE);
  glActiveTexture(GL_TEXTURE1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 17);
  glPixelStorei(GL_PACK_ALIGNMENT, 8);

  form->Picture1().ShowDeviceImage({deviceTexture, 640, 480});
  const RgbImage shot = form->Screenshot();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glDisable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glActiveTexture(GL_TEXTURE0);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  glDeleteTextures(1, &color);
  EXPECT_EQ(
      Mismatches(shot,
                 [](int x, int y) { return y < 50 ? BackingColor(x, y) : DeviceColor(x, y - 50); }),
      0);
}

TEST_F(CompositionTest, ScreenshotFileHoldsTheSamePixels) {
  const auto path = std::filesystem::temp_directory_path() / "ursa_toolkit_shot.png";
  const RgbImage shot = form->Screenshot(path.string());
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&png, path.c_str()), 0) << png.message;
  png.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> read(PNG_IMAGE_SIZE(png));
  ASSERT_NE(png_image_finish_read(&png, nullptr, read.data(), 0, nullptr), 0) << png.message;
  EXPECT_EQ(png.width, 640u);
  EXPECT_EQ(png.height, 480u);
  EXPECT_EQ(read, shot.rgb);
  std::filesystem::remove(path);
  EXPECT_THROW(form->Screenshot("/nonexistent/dir/shot.png"), Error);
}

TEST(LetterboxTest, ImageFillsTheLargestAspectCorrectCentredRectangle) {
  const struct {
    int width, height;
    Rect expected;
  } cases[] = {{640, 480, {0, 0, 640, 480}},       {1280, 960, {0, 0, 1280, 960}},
               {1920, 1080, {240, 0, 1440, 1080}}, {1920, 1200, {160, 0, 1600, 1200}},
               {3840, 2160, {480, 0, 2880, 2160}}, {320, 480, {0, 120, 320, 240}}};
  for (const auto& c : cases) {
    const Rect r = LetterboxRect(c.width, c.height);
    EXPECT_EQ(r.x, c.expected.x) << c.width << "x" << c.height;
    EXPECT_EQ(r.y, c.expected.y) << c.width << "x" << c.height;
    EXPECT_EQ(r.width, c.expected.width) << c.width << "x" << c.height;
    EXPECT_EQ(r.height, c.expected.height) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace ursa::tk

namespace ursa::tk {
namespace {

// The window's scaling pass, drawn into a framebuffer of a chosen size and read back.
class ScalingTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(form->MakeContextCurrent());
    composer = std::make_unique<Composer>(PictureBox::kBox);
    scaler = std::make_unique<Scaler>();
    SurfacePtr backing(SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888));
    for (int y = 0; y < 480; ++y) {
      auto* row =
          reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(backing->pixels) + y * backing->pitch);
      for (int x = 0; x < 640; ++x) row[x] = (x + y) % 2 == 0 ? 0xFFFFFFFF : 0xFF0000FF;
    }
    composer->UploadBacking(*backing);
    composer->Compose(false, false);
  }

  static uint32_t Checker(int x, int y) { return (x + y) % 2 == 0 ? kWhite : kBlue; }

  // The scaled image in a width x height framebuffer, rows top to bottom.
  RgbImage DrawScaled(int width, int height) {
    GLuint texture = 0;
    GLuint framebuffer = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    scaler->DrawScaled(*composer, framebuffer, width, height);
    RgbImage image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    std::vector<uint8_t> bottomUp(image.rgb.size());
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
      std::memcpy(&image.rgb[y * rowBytes], &bottomUp[(height - 1 - y) * rowBytes], rowBytes);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
    return image;
  }

  std::unique_ptr<Composer> composer;
  std::unique_ptr<Scaler> scaler;
};

TEST_F(ScalingTest, WholeNumberScalesEnlargeByNearestPixel) {
  for (const int scale : {1, 2, 3}) {
    const RgbImage image = DrawScaled(640 * scale, 480 * scale);
    int wrong = 0;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x)
        wrong += image.At(x, y) != Checker(x / scale, y / scale);
    }
    EXPECT_EQ(wrong, 0) << "scale " << scale;
  }
}

TEST_F(ScalingTest, WideScreenGetsBlackBarsAndSharpTexels) {
  for (const auto scaling :
       {Scaler::InBetweenScaling::kSharpBilinear, Scaler::InBetweenScaling::kNearest}) {
    scaler->SetInBetweenScaling(scaling);
    const RgbImage image = DrawScaled(1920, 1080);  // 2.25 times, 1440 x 1080 at x 240
    for (int y = 0; y < 1080; y += 7) {
      EXPECT_EQ(image.At(0, y), kBlack);
      EXPECT_EQ(image.At(239, y), kBlack);
      EXPECT_EQ(image.At(1680, y), kBlack);
      EXPECT_EQ(image.At(1919, y), kBlack);
    }
    // The output pixel at the middle of each texel's 2.25-pixel span shows it unblended.
    int blended = 0;
    for (const auto& [tx, ty] : {std::pair{0, 0}, {1, 0}, {320, 240}, {639, 479}, {77, 301}}) {
      const int x = 240 + static_cast<int>((tx + 0.5) * 2.25);
      const int y = static_cast<int>((ty + 0.5) * 2.25);
      EXPECT_EQ(image.At(x, y), Checker(tx, ty)) << tx << "," << ty;
    }
    // Nearest pixel never blends; sharp bilinear blends only the one-pixel seams.
    for (int x = 240; x < 1680; ++x) {
      const uint32_t c = image.At(x, 540);
      blended += c != kWhite && c != kBlue;
    }
    if (scaling == Scaler::InBetweenScaling::kNearest) {
      EXPECT_EQ(blended, 0);
    } else {
      EXPECT_GT(blended, 0);
      EXPECT_LE(blended, 640) << "more than one blended pixel per texel";
    }
  }
}

}  // namespace
}  // namespace ursa::tk
