// Screen checks shared by the end-to-end tests.
#include "tests/e2e/game_driver.hpp"

#include <cstdlib>

namespace ursa::test {

bool Near(uint32_t a, uint32_t b, int tolerance) {
  return std::abs(tk::RedOf(a) - tk::RedOf(b)) <= tolerance &&
         std::abs(tk::GreenOf(a) - tk::GreenOf(b)) <= tolerance &&
         std::abs(tk::BlueOf(a) - tk::BlueOf(b)) <= tolerance;
}

int CountNear(const tk::RgbImage& image, tk::Rect area, uint32_t color, int tolerance) {
  int count = 0;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      if (Near(image.At(x, y), color, tolerance)) ++count;
    }
  }
  return count;
}

void ExpectScreenPicture(const tk::RgbImage& shot, const tk::Image& picture, int sourceTop) {
  ASSERT_EQ(shot.width, 640);
  ASSERT_EQ(shot.height, 480);
  int wrong = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      if (!Near(shot.At(x, y), picture.Pixel(x / 2, sourceTop + y / 2))) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels that differ from the screen picture enlarged by 2";
}

}  // namespace ursa::test
