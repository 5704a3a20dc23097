// Headless stand-ins for the window, as start-up leaves it: the renderer's root on an
// offscreen display and picture box for the scene and the per-frame view, and a canvas with
// the screen picture for the screens. No window of the game is opened.
#pragma once

#include <gtest/gtest.h>

#include <iostream>

#include "game/game_state.hpp"
#include "game/stage_layouts.hpp"
#include "harness/offscreen_display.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/image.hpp"
#include "toolkit/random.hpp"
#include "toolkit/rgb_image.hpp"
#include "toolkit/text_face.hpp"
#include "view/rm/rm.hpp"
#include "view/scene_build.hpp"
#include "view/scene_handles.hpp"
#include "view/screen_picture.hpp"

namespace ursa::test {

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    h.dxRoot = rm::CreateDirectXRoot(display);
    h.ddraw = h.dxRoot->DirectDrawCreate("");
  }

  // LoadStageLayout, the scene and the player's start, as a stage start makes them.
  void Build(int stage) {
    s.stage = static_cast<int16_t>(stage);
    LoadStageLayout(s);
    view::BuildScene(h, s, {URSA_ASSETS_DIR, &display, &picture, &random});
    PlacePlayerAtStart(s);
  }

  harness::OffscreenDisplay display;
  harness::OffscreenPicture picture;
  tk::Random random;  // as the game's: nothing drawn from it before the first build
  view::SceneHandles h;
  GameState s{};
};

class CanvasViewTest : public ::testing::Test {
 protected:
  CanvasViewTest() {
    const auto bmp = view::ScreenPictureBmp();
    picture.LoadFromMemory(bmp.data(), bmp.size());
  }

  // What the canvas shows now.
  tk::RgbImage Shot() const {
    tk::RgbImage image{tk::Canvas::kWidth, tk::Canvas::kHeight, {}};
    image.rgb.reserve(size_t{tk::Canvas::kWidth} * tk::Canvas::kHeight * 3);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const uint32_t color = canvas.Point(x, y);
        image.rgb.insert(image.rgb.end(),
                         {tk::RedOf(color), tk::GreenOf(color), tk::BlueOf(color)});
      }
    }
    return image;
  }

  tk::TextFace face = tk::TextFace::Open(tk::kGameFontFamily, tk::kGameFontPixels, std::cerr);
  tk::Canvas canvas{face};
  tk::Image picture;  // the screen picture
  GameState s{};
};

}  // namespace ursa::test
