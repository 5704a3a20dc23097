// GameDriver: the whole game in a headless window on a virtual clock, driven by a script of
// steps that wait for a moment of play and then act on it (press keys, look at the screen).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/game_window.hpp"
#include "app/toolkit/clock.hpp"
#include "app/toolkit/colour.hpp"

namespace ursa::test {

class GameDriver {
 public:
  struct Step {
    std::string name;
    std::function<bool()> ready;  // is this the moment?
    std::function<void()> act;
  };

  GameDriver();

  GameWindow& window() { return window_; }
  tk::Form1& form() { return window_.form(); }
  Game& game() { return window_.game(); }
  GameState& state() { return window_.game().state; }
  int64_t Now() { return clock_.Milliseconds(); }

  // Runs the program from start-up, taking each step at its moment, until the program
  // ends. A step that has not come within `limitMs` of virtual time fails the test.
  void Run(std::vector<Step> steps, int64_t limitMs = 30 * 60 * 1000);

  void Press(SDL_Keycode key) { form().InjectKey(key, true); }
  void Release(SDL_Keycode key) { form().InjectKey(key, false); }
  void Tap(SDL_Keycode key) {
    Press(key);
    Release(key);
  }

 private:
  tk::VirtualClock clock_{1000};
  GameWindow window_;
};

// Conditions and checks that several tests share.
bool OnTitle(GameDriver& d);
bool Playing(GameDriver& d, int minFrames);
// The pixel is within the 16-bit reduction's rounding of the colour.
bool Near(uint32_t a, uint32_t b, int tolerance = 8);
// How many pixels of the rectangle are near the colour.
int CountNear(const tk::RgbImage& image, tk::Rect area, uint32_t colour, int tolerance = 8);
// Every window pixel equals the 2x enlargement of the screen picture's half at sourceTop.
void ExpectScreenPicture(const tk::RgbImage& shot, const tk::Image& picture, int sourceTop);

}  // namespace ursa::test
