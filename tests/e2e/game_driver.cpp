// GameDriver: runs the real window layer and the game on a virtual clock, fast and headless.
#include "tests/e2e/game_driver.hpp"

#include <cstdlib>

namespace ursa::test {
namespace {

tk::FormOptions DriverOptions(tk::Clock* clock) {
  tk::FormOptions options;
  options.windowed = true;
  options.present = false;
  options.clock = clock;
  return options;
}

}  // namespace

GameDriver::GameDriver() : window_(DriverOptions(&clock_)) {}

void GameDriver::Run(std::vector<Step> steps, int64_t limitMs) {
  size_t next = 0;
  const int64_t deadline = Now() + limitMs;
  form().SetPumpHook([&] {
    while (next < steps.size() && steps[next].ready()) steps[next++].act();
    if (next < steps.size() && Now() > deadline) {
      ADD_FAILURE() << "the moment of step '" << steps[next].name << "' never came";
      form().EndProgram();
    }
  });
  window_.Run();
  form().SetPumpHook(nullptr);
  EXPECT_EQ(next, steps.size()) << "the program ended before all steps were taken";
}

bool OnTitle(GameDriver& d) { return d.game().screen == Screen::kTitle; }

bool Playing(GameDriver& d, int minFrames) {
  return d.game().screen == Screen::kPlaying && d.state().running == kTrue &&
         d.state().frameCount >= minFrames;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  return std::abs(tk::RedOf(a) - tk::RedOf(b)) <= tolerance &&
         std::abs(tk::GreenOf(a) - tk::GreenOf(b)) <= tolerance &&
         std::abs(tk::BlueOf(a) - tk::BlueOf(b)) <= tolerance;
}

int CountNear(const tk::RgbImage& image, tk::Rect area, uint32_t colour, int tolerance) {
  int count = 0;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      if (Near(image.At(x, y), colour, tolerance)) ++count;
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
