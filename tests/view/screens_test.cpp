// The HUD, the outlined text and the ending screen's figures, drawn on a canvas.
#include "view/screens.hpp"

#include <string>

#include "tests/view/view_fixture.hpp"
#include "toolkit/color.hpp"
#include "toolkit/number_text.hpp"

namespace ursa::test {
namespace {

using view::DrawEndingScreen;
using view::DrawHud;
using view::DrawOutlinedText;
using view::DrawTitleScreen;

class ScreensTest : public CanvasViewTest {
 protected:
  // The ending as it must look: its half of the picture, then each figure outlined at its row.
  tk::RgbImage ExpectedEnding(const char* time, const char* misses, const char* score) {
    canvas.PaintPicture(picture, {0, 240, 320, 240}, {0, 0, 640, 480});
    GameState text{};
    const std::pair<int, const char*> rows[] = {{182, time}, {245, misses}, {370, score}};
    for (const auto& [y, figure] : rows) {
      std::snprintf(text.msgText.data(), text.msgText.size(), "%s", figure);
      text.msgX = 250;
      text.msgY = static_cast<int16_t>(y);
      DrawOutlinedText(canvas, text);
    }
    return Shot();
  }

  void ExpectEndingShows(int32_t frames, int16_t misses, const char* time, const char* missText,
                         const char* score) {
    const tk::RgbImage expected = ExpectedEnding(time, missText, score);
    s.frameCount = frames;
    s.missCount = misses;
    DrawEndingScreen(canvas, picture, s);
    EXPECT_EQ(Shot().rgb, expected.rgb) << "frames " << frames << ", misses " << misses;
  }
};

TEST_F(ScreensTest, EndingFiguresAreTimeMissesAndScoreWithTheirSigns) {
  ExpectEndingShows(25, 0, " 2", " 0", " 9998");
  ExpectEndingShows(9, 0, " 0", " 0", " 10000");
  // A long game with three misses: the score goes below zero, printed with its minus sign.
  ExpectEndingShows(100000, 3, " 10000", " 3", "-1500");
  // From 66 misses on, 500 per miss no longer fits in 16 bits; the score stays true.
  ExpectEndingShows(0, 66, " 0", " 66", "-23000");
}

TEST_F(ScreensTest, OutlinedTextIsWhiteOnABlueEdgeAndLeavesTheColorWhite) {
  canvas.Cls();
  canvas.SetForeColor(tk::kWhite);
  canvas.PSet(100, 100, tk::kBlack);
  canvas.Print("80");
  const tk::RgbImage plain = Shot();

  canvas.Cls();
  s.msgX = 100;
  s.msgY = 100;
  std::snprintf(s.msgText.data(), s.msgText.size(), "80");
  DrawOutlinedText(canvas, s);
  const tk::RgbImage outlined = Shot();
  EXPECT_EQ(canvas.ForeColor(), tk::kWhite);

  int blue = 0;
  for (int y = 90; y < 150; ++y) {
    for (int x = 90; x < 160; ++x) {
      // Wherever the plain print is white, the outlined one is white too: no blue inside.
      if (plain.At(x, y) == tk::kWhite) {
        EXPECT_EQ(outlined.At(x, y), tk::kWhite) << x << "," << y;
      }
      if (outlined.At(x, y) == tk::kBlue) ++blue;
    }
  }
  EXPECT_GT(blue, 50);
  // The edge is one pixel wide: nothing blue two pixels away from every white pixel.
  for (int y = 90; y < 150; ++y) {
    for (int x = 90; x < 160; ++x) {
      if (outlined.At(x, y) != tk::kBlue) continue;
      bool nearInk = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) nearInk |= plain.At(x + dx, y + dy) != tk::kBlack;
      }
      EXPECT_TRUE(nearInk) << "stray blue at " << x << "," << y;
    }
  }
}

TEST_F(ScreensTest, TheHudIsRedrawnWhiteAfterAnEnding) {
  DrawEndingScreen(canvas, picture, s);
  s.stage = 3;
  s.missCount = 7;
  DrawHud(canvas, s);
  const tk::RgbImage hud = Shot();
  canvas.Cls();
  canvas.SetForeColor(tk::kWhite);
  canvas.PSet(5, 5, tk::kBlack);
  canvas.Print("STAGE : 3");
  canvas.PSet(500, 5, tk::kBlack);
  canvas.Print("MISS : 7");
  EXPECT_EQ(hud.rgb, Shot().rgb);
}

// Pixels that are not black in the columns from x on.
int InkFrom(const tk::RgbImage& image, int x) {
  int ink = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int column = x; column < image.width; ++column) ink += image.At(column, y) != tk::kBlack;
  }
  return ink;
}

int RightmostInk(const tk::RgbImage& image) {
  for (int x = image.width - 1; x >= 0; --x) {
    for (int y = 0; y < image.height; ++y) {
      if (image.At(x, y) != tk::kBlack) return x;
    }
  }
  return -1;
}

TEST_F(ScreensTest, TheMissCountStaysWholeInsideTheWindow) {
  for (const int16_t misses : {0, 9, 10, 20, 99, 100, 32767}) {
    const std::string text = "MISS :" + tk::Str(misses);
    // The text alone, printed where nothing can cut it.
    canvas.Cls();
    canvas.PSet(100, 5, tk::kBlack);
    canvas.Print(text);
    const int wholeInk = InkFrom(Shot(), 0);

    s.stage = 1;
    s.missCount = misses;
    DrawHud(canvas, s);
    const tk::RgbImage hud = Shot();
    EXPECT_EQ(InkFrom(hud, 320), wholeInk) << text << " is cut";
    EXPECT_LT(RightmostInk(hud), tk::Canvas::kWidth - 5) << text;

    // One digit keeps its place at x 500; a longer count's text ends 5 pixels inside.
    const int width = canvas.TextWidth(text);
    const int x = misses < 10 ? 500 : tk::Canvas::kWidth - 5 - width;
    canvas.Cls();
    canvas.PSet(5, 5, tk::kBlack);
    canvas.Print("STAGE : 1");
    canvas.PSet(x, 5, tk::kBlack);
    canvas.Print(text);
    EXPECT_TRUE(hud.rgb == Shot().rgb) << text << " not at x " << x;
  }
}

TEST_F(ScreensTest, TheTitleCoversTheWholeWindowWithThePictureEnlargedByTwo) {
  DrawHud(canvas, s);
  DrawTitleScreen(canvas, picture);
  const tk::RgbImage shot = Shot();
  for (int y = 0; y < 480; y += 7) {
    for (int x = 0; x < 640; x += 5) {
      ASSERT_EQ(shot.At(x, y), shot.At(x ^ 1, y ^ 1)) << "2 x 2 blocks at " << x << "," << y;
    }
  }
  EXPECT_NE(shot.At(10, 10), tk::kBlack) << "the HUD band is covered too";
}

}  // namespace
}  // namespace ursa::test
