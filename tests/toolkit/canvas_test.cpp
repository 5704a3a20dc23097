// The window's 2D operations on the backing image: clear, pixel read and write, the 2x
// picture copy, and print (position, transparency, clipping, the outlined text).
#include "toolkit/canvas.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <set>

#include "test_pictures.hpp"
#include "toolkit/color.hpp"
#include "toolkit/fatal.hpp"
#include "toolkit/text_face.hpp"

namespace ursa::tk {
namespace {

// A colour per picture pixel that differs between any two neighbours.
uint32_t PatternColor(int x, int y) { return PackColor(x & 0xFF, y & 0xFF, (x * 7 + y) & 0xFF); }

class CanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    face = new TextFace(TextFace::Open(kGameFontFamily, kGameFontPixels, std::cerr));
  }
  static void TearDownTestSuite() { delete face; }

  // Fills the canvas with a pattern so that an unchanged pixel can be told from a cleared one.
  void FillPattern() {
    for (int y = 0; y < Canvas::kHeight; ++y) {
      for (int x = 0; x < Canvas::kWidth; ++x) canvas.PSet(x, y, PatternColor(x, y));
    }
  }

  // Pixels whose colour differs from the pattern.
  std::set<std::pair<int, int>> ChangedPixels() const {
    std::set<std::pair<int, int>> changed;
    for (int y = 0; y < Canvas::kHeight; ++y) {
      for (int x = 0; x < Canvas::kWidth; ++x) {
        if (canvas.Point(x, y) != PatternColor(x, y)) changed.insert({x, y});
      }
    }
    return changed;
  }

  static TextFace* face;
  Canvas canvas{*face};
};
TextFace* CanvasTest::face = nullptr;

TEST_F(CanvasTest, StartsBlackWithWhiteTextAtTheOrigin) {
  EXPECT_EQ(canvas.Point(0, 0), kBlack);
  EXPECT_EQ(canvas.Point(639, 479), kBlack);
  EXPECT_EQ(canvas.ForeColor(), kWhite);
  EXPECT_EQ(canvas.CurrentX(), 0);
  EXPECT_EQ(canvas.CurrentY(), 0);
}

TEST_F(CanvasTest, PixelWriteThenReadGivesTheColorAndMovesThePosition) {
  const struct {
    int x, y;
    uint32_t color;
  } cases[] = {{0, 0, kWhite},
               {639, 479, kBlue},
               {5, 5, kBlack},
               {500, 5, 0x123456},
               {320, 240, PackColor(1, 2, 3)}};
  for (const auto& c : cases) {
    canvas.PSet(c.x, c.y, c.color);
    EXPECT_EQ(canvas.Point(c.x, c.y), c.color) << c.x << "," << c.y;
    EXPECT_EQ(canvas.CurrentX(), c.x);
    EXPECT_EQ(canvas.CurrentY(), c.y);
  }
  EXPECT_EQ(canvas.Point(500, 5), 0x123456u) << "a later write elsewhere changed the pixel";
}

TEST_F(CanvasTest, PixelOutsideTheWindowIsNotDrawnButStillBecomesThePosition) {
  canvas.TakeChanged();
  canvas.PSet(-1, 640, kWhite);
  EXPECT_EQ(canvas.CurrentX(), -1);
  EXPECT_EQ(canvas.CurrentY(), 640);
  EXPECT_FALSE(canvas.Drawn());
  EXPECT_EQ(canvas.Point(-1, 0), kNoPixel);
  EXPECT_EQ(canvas.Point(0, 480), kNoPixel);
  EXPECT_EQ(canvas.Point(640, 0), kNoPixel);
}

TEST_F(CanvasTest, PixelWriteKeepsOnlyTheColorsLow24Bits) {
  canvas.PSet(10, 10, 0xAB00FF00);
  EXPECT_EQ(canvas.Point(10, 10), 0x00FF00u);
}

TEST_F(CanvasTest, ClearFillsBlackAndReturnsToTheOrigin) {
  FillPattern();
  canvas.PSet(100, 200, kWhite);
  canvas.Cls();
  for (const auto& [x, y] : {std::pair{0, 0}, {100, 200}, {639, 479}, {320, 50}}) {
    EXPECT_EQ(canvas.Point(x, y), kBlack);
  }
  EXPECT_EQ(canvas.CurrentX(), 0);
  EXPECT_EQ(canvas.CurrentY(), 0);
}

// The presenter copies again only what the canvas says was drawn: every drawing operation's
// changed pixels must lie inside the area it reports.
TEST_F(CanvasTest, EveryDrawingReportsAnAreaHoldingAllItChanged) {
  Image picture;
  const auto bmp = MakeBmp(8, 8, [](int x, int) { return x < 4 ? kBlue : kWhite; });
  picture.LoadFromMemory(bmp.data(), bmp.size());
  const std::vector<uint32_t> pasted(30 * 20, kBlue);
  const std::pair<const char*, std::function<void()>> drawings[] = {
      {"PSet", [&] { canvas.PSet(639, 0, kBlue); }},
      {"Fill",
       [&] {
         canvas.Fill({630, 470, 40, 40}, kBlue);
       }},
      {"Paste",
       [&] {
         canvas.Paste({100, 200, 30, 20}, pasted);
       }},
      {"PaintPicture",
       [&] {
         canvas.PaintPicture(picture, {0, 0, 8, 8}, {-6, 300, 16, 16});
       }},
      {"Print",
       [&] {
         canvas.PSet(600, 440, canvas.Point(600, 440));
         canvas.Print("MISS : 88");
       }},
      {"Cls", [&] { canvas.Cls(); }},
  };
  for (const auto& [name, draw] : drawings) {
    FillPattern();
    canvas.TakeChanged();
    draw();
    const Rect reported = canvas.TakeChanged();
    const auto changed = ChangedPixels();
    EXPECT_FALSE(changed.empty()) << name;
    for (const auto& [x, y] : changed) {
      ASSERT_TRUE(x >= reported.x && x < reported.x + reported.width && y >= reported.y &&
                  y < reported.y + reported.height)
          << name << " changed (" << x << ", " << y << ") outside the area it reported";
    }
    EXPECT_TRUE(IsEmpty(canvas.TakeChanged())) << name << ": taken once";
  }
}

TEST_F(CanvasTest, TwoTimesCopyMakesEveryPicturePixelATwoByTwoBlock) {
  Image picture;
  const auto bmp = MakeBmp(320, 480, PatternColor);
  picture.LoadFromMemory(bmp.data(), bmp.size());
  ASSERT_EQ(picture.Width(), 320);
  ASSERT_EQ(picture.Height(), 480);
  for (const int top : {0, 240}) {  // the title half, then the ending half
    canvas.PaintPicture(picture, {0, top, 320, 240}, {0, 0, 640, 480});
    int wrong = 0;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) wrong += canvas.Point(x, y) != PatternColor(x / 2, top + y / 2);
    }
    EXPECT_EQ(wrong, 0) << "half starting at picture row " << top;
  }
}

TEST_F(CanvasTest, CopyIsCutAtTheWindowAndThePictureEdges) {
  FillPattern();
  Image picture;
  const auto bmp = MakeBmp(4, 4, [](int, int) { return kBlue; });
  picture.LoadFromMemory(bmp.data(), bmp.size());
  // Half of the source lies beyond the picture's right edge; the destination runs off the
  // window's bottom-right corner.
  canvas.PaintPicture(picture, {2, 0, 4, 4}, {632, 472, 16, 16});
  for (int y = 470; y < 480; ++y) {
    for (int x = 630; x < 640; ++x) {
      const bool copied = x >= 632 && x < 640 && y >= 472;
      EXPECT_EQ(canvas.Point(x, y), copied ? kBlue : PatternColor(x, y)) << x << "," << y;
    }
  }
}

TEST_F(CanvasTest, PrintChangesOnlyGlyphPixelsInsideItsTextCell) {
  FillPattern();
  canvas.PSet(5, 5, canvas.Point(5, 5));
  canvas.Print("STAGE : 1");
  const auto changed = ChangedPixels();
  ASSERT_FALSE(changed.empty());
  int right = 0;
  for (const auto& [x, y] : changed) {
    EXPECT_EQ(canvas.Point(x, y), kWhite) << "a pixel took a colour other than the text's";
    EXPECT_GE(x, 5);
    EXPECT_GE(y, 5);
    EXPECT_LT(y, 5 + face->LineHeight());
    right = std::max(right, x);
  }
  // Transparent: the cell's gaps keep the picture (far fewer pixels change than the cell has).
  EXPECT_LT(changed.size(), static_cast<size_t>((right - 5) * face->LineHeight() / 2));
}

TEST_F(CanvasTest, PrintPlacesTheTextCellsTopLeftAtTheCurrentPosition) {
  canvas.PSet(0, 0, kBlack);
  canvas.Print("MISS : 0");
  std::set<std::pair<int, int>> atOrigin;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (canvas.Point(x, y) == kWhite) atOrigin.insert({x, y});
    }
  }
  ASSERT_FALSE(atOrigin.empty());
  canvas.Cls();
  canvas.PSet(500, 5, kBlack);
  canvas.Print("MISS : 0");
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool expected = atOrigin.count({x - 500, y - 5}) != 0;
      ASSERT_EQ(canvas.Point(x, y) == kWhite, expected) << x << "," << y;
    }
  }
  // A line is one text cell high; the letters sit inside it, below its top.
  int inkTopRow = face->LineHeight();
  for (const auto& p : atOrigin) inkTopRow = std::min(inkTopRow, p.second);
  EXPECT_GT(inkTopRow, 0);
  EXPECT_LT(inkTopRow, face->LineHeight() / 2);
}

TEST_F(CanvasTest, PrintMovesToTheStartOfTheNextLine) {
  canvas.PSet(250, 182, kBlack);
  canvas.Print(" 2");
  EXPECT_EQ(canvas.CurrentX(), 0);
  EXPECT_EQ(canvas.CurrentY(), 182 + face->LineHeight());
}

TEST_F(CanvasTest, PrintIsCutAtTheWindowsRightEdge) {
  FillPattern();
  canvas.PSet(600, 5, canvas.Point(600, 5));
  canvas.Print("MISS : 12345");
  const auto changed = ChangedPixels();
  ASSERT_FALSE(changed.empty());
  for (const auto& [x, y] : changed) {
    EXPECT_GE(x, 600) << "text wrapped or moved left";
    EXPECT_LT(y, 5 + face->LineHeight());
  }
}

TEST_F(CanvasTest, EmptyTextPrintsNothingButStillEndsTheLine) {
  FillPattern();
  canvas.PSet(10, 10, canvas.Point(10, 10));
  canvas.Print("");
  EXPECT_TRUE(ChangedPixels().empty());
  EXPECT_EQ(canvas.CurrentY(), 10 + face->LineHeight());
}

// Eight blue prints around the position, then a white one on it: white glyphs with a
// one-pixel blue edge, and no colour but black, blue and white anywhere.
TEST_F(CanvasTest, OutlinedTextHasWhiteGlyphsInAPureBlueEdge) {
  const int x0 = 250;
  const int y0 = 245;
  const std::pair<int, int> offsets[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                         {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
  for (const auto& [dx, dy] : offsets) {
    canvas.PSet(x0 + dx, y0 + dy, canvas.Point(x0 + dx, y0 + dy));
    canvas.SetForeColor(kBlue);
    canvas.Print(" 0");
  }
  canvas.PSet(x0, y0, canvas.Point(x0, y0));
  canvas.SetForeColor(kWhite);
  canvas.Print(" 0");

  Canvas whiteOnly{*face};
  whiteOnly.PSet(x0, y0, kBlack);
  whiteOnly.Print(" 0");
  int white = 0;
  int blue = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const uint32_t c = canvas.Point(x, y);
      ASSERT_TRUE(c == kBlack || c == kBlue || c == kWhite) << "mixed colour at " << x << "," << y;
      if (whiteOnly.Point(x, y) == kWhite) {
        ASSERT_EQ(c, kWhite) << "blue inside the white glyph at " << x << "," << y;
      }
      white += c == kWhite;
      blue += c == kBlue;
    }
  }
  EXPECT_GT(white, 0);
  EXPECT_GT(blue, 0);
}

TEST(ImageTest, MissingOrBrokenPictureFailsWithItsNameAndKeepsTheOldOne) {
  Image picture;
  const auto bmp = MakeBmp(2, 2, [](int, int) { return kWhite; });
  picture.LoadFromMemory(bmp.data(), bmp.size());
  try {
    picture.LoadFromFile("/nonexistent/screen.bmp");
    FAIL() << "a missing file loaded";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/screen.bmp"), std::string::npos);
  }
  auto broken = bmp;
  broken.resize(30);
  EXPECT_THROW(picture.LoadFromMemory(broken.data(), broken.size()), Error);
  EXPECT_THROW(picture.LoadFromMemory(nullptr, 0), Error);
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_EQ(picture.Pixel(1, 1), kWhite);
}

}  // namespace
}  // namespace ursa::tk
