// The committed screen picture and icon: exact BMP headers, the title and ending lettering
// where the screens expect it, and free space where the game prints its numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/assets/x_scene.hpp"
#include "tools/screengen/screen_layout.hpp"

namespace ursa::assets_test {
namespace {

using screengen::Rect;
namespace layout = screengen::layout;

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

class ScreenPicture : public ::testing::Test {
 protected:
  ScreenPicture() : bytes_(ReadBytes(AssetPath("screen.bmp"))) {}

  struct Rgb8 {
    uint8_t r, g, b;
  };
  // Picture pixel (x, y), y counted from the top.
  Rgb8 Pixel(int x, int y) const {
    const size_t at = 54 + static_cast<size_t>(479 - y) * 960 + static_cast<size_t>(x) * 3;
    return {bytes_[at + 2], bytes_[at + 1], bytes_[at]};
  }
  // White lettering pixels in a window-pixel rectangle of the title (half 0) or ending
  // (half 1) screen.
  int WhitePixels(Rect window, int half) const {
    int count = 0;
    for (int y = static_cast<int>(window.y) / 2; y < static_cast<int>(window.Bottom() + 1) / 2;
         ++y) {
      for (int x = static_cast<int>(window.x) / 2; x < static_cast<int>(window.Right() + 1) / 2;
           ++x) {
        const Rgb8 p = Pixel(x, y + 240 * half);
        count += std::min({p.r, p.g, p.b}) > 215 ? 1 : 0;
      }
    }
    return count;
  }

  std::vector<uint8_t> bytes_;
};

TEST_F(ScreenPicture, HasTheExactHeader) {
  ASSERT_EQ(bytes_.size(), 460854U);
  const uint8_t expected[54] = {
      'B',  'M',  0x36, 0x08, 0x07, 0x00, 0, 0, 0,    0,    54, 0, 0, 0,  // file header
      40,   0,    0,    0,    0x40, 0x01, 0, 0, 0xE0, 0x01, 0,  0,        // size, 320 x +480
      1,    0,    24,   0,    0,    0,    0, 0,  // planes, bits, no compression
      0x00, 0x08, 0x07, 0x00,                    // 460800 bytes of pixels
      0x12, 0x0B, 0,    0,    0x12, 0x0B, 0, 0,  // 2834 pixels per metre
      0,    0,    0,    0,    0,    0,    0, 0};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), bytes_.begin()));
}

TEST_F(ScreenPicture, TitleScreenCarriesItsLettering) {
  EXPECT_GT(WhitePixels(layout::kTitle, 0), 150);
  EXPECT_GT(WhitePixels(layout::kPrompt, 0), 150);
  EXPECT_GT(WhitePixels(layout::kCredit, 0), 10);
}

TEST_F(ScreenPicture, EndingLabelsAreWhite) {
  EXPECT_GT(WhitePixels(layout::kAllClear, 1), 300);
  for (const Rect& label :
       {layout::kClearTimeLabel, layout::kMissLabel, layout::kTotalScoreLabel}) {
    EXPECT_GT(WhitePixels(label, 1), 60) << "label at y " << label.y;
  }
}

// The game prints the three numbers at x = 250 in a 32-pixel face; nothing white may stand
// there, or the numbers would run into the picture's own lettering.
TEST_F(ScreenPicture, NumberAreasAreFreeOfLettering) {
  for (int row : layout::kNumberRows) {
    const Rect numbers{layout::kNumberX, static_cast<float>(row), 150, layout::kNumberLineHeight};
    EXPECT_EQ(WhitePixels(numbers, 1), 0) << "number row " << row;
  }
}

TEST_F(ScreenPicture, LabelsStandInTheDarkerLeftOfTheWall) {
  auto brightness = [&](int x0, int x1) {
    long sum = 0;
    for (int y = 250; y < 300; ++y) {
      for (int x = x0; x < x1; ++x) {
        sum += Pixel(x, y).r + Pixel(x, y).g + Pixel(x, y).b;
      }
    }
    return sum;
  };
  EXPECT_LT(brightness(0, 60), brightness(140, 200));
}

TEST(Icon, IsA32By32PictureWithAlpha) {
  const std::vector<uint8_t> b = ReadBytes(AssetPath("icon.bmp"));
  ASSERT_EQ(b.size(), 14U + 108U + 32U * 32U * 4U);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), b.size());
  EXPECT_EQ(U32(b, 10), 122U);
  EXPECT_EQ(U32(b, 14), 108U);
  EXPECT_EQ(U32(b, 18), 32U);
  EXPECT_EQ(U32(b, 22), 32U);
  EXPECT_EQ(b[28], 32);
  EXPECT_EQ(U32(b, 30), 3U) << "bit fields";
  EXPECT_EQ(U32(b, 54), 0x00FF0000U) << "red mask";
  EXPECT_EQ(U32(b, 66), 0xFF000000U) << "alpha mask";
  auto alpha = [&](int x, int y) { return b[122 + static_cast<size_t>(31 - y) * 128 + x * 4 + 3]; };
  auto red = [&](int x, int y) { return b[122 + static_cast<size_t>(31 - y) * 128 + x * 4 + 2]; };
  auto blue = [&](int x, int y) { return b[122 + static_cast<size_t>(31 - y) * 128 + x * 4]; };
  for (int c : {0, 31}) {
    EXPECT_EQ(alpha(c, 31), 0) << "transparent bottom corners";
    EXPECT_EQ(alpha(c, 0), 0) << "transparent top corners";
  }
  // The middle of the face is opaque brown fur or muzzle.
  EXPECT_EQ(alpha(16, 12), 255);
  EXPECT_GT(red(16, 12), blue(16, 12) + 40);
}

}  // namespace
}  // namespace ursa::assets_test
