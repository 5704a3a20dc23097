// GameDriver: the scripted game with test expectations, and the screen checks the
// end-to-end tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/scripted_play.hpp"
#include "toolkit/color.hpp"

namespace ursa::test {

// The game under a script; a step whose moment never comes fails the test.
class GameDriver : public harness::ScriptedPlay {
 public:
  void Run(std::vector<Step> steps, int64_t limitMs = 30 * 60 * 1000) {
    const std::string missed = ScriptedPlay::Run(std::move(steps), limitMs);
    EXPECT_EQ(missed, "") << "the moment of this step never came";
  }
};

// The pixel is within the 16-bit reduction's rounding of the colour.
bool Near(uint32_t a, uint32_t b, int tolerance = 8);
// How many pixels of the rectangle are near the colour.
int CountNear(const tk::RgbImage& image, tk::Rect area, uint32_t color, int tolerance = 8);
// Every window pixel equals the 2x enlargement of the screen picture's half at sourceTop.
void ExpectScreenPicture(const tk::RgbImage& shot, const tk::Image& picture, int sourceTop);

}  // namespace ursa::test
