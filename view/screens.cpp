// The HUD band, the title and ending screens, and the outlined text.
// The screens are the two halves of the screen picture, each enlarged by exactly 2.
#include "view/screens.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "game/ending_figures.hpp"
#include "toolkit/color.hpp"
#include "toolkit/number_text.hpp"

namespace ursa::view {
namespace {

void PrintAt(tk::Canvas& canvas, int x, int y, const std::string& text) {
  canvas.PSet(x, y, tk::kBlack);
  canvas.Print(text);
}

void SetMessage(GameState& s, int x, int y, const std::string& text) {
  s.msgText.fill('\0');
  std::memcpy(s.msgText.data(), text.data(), std::min(text.size(), s.msgText.size() - 1));
  s.msgX = Wrap16(x);
  s.msgY = Wrap16(y);
}

// The two halves of the screen picture, each shown on the whole window enlarged by 2.
constexpr tk::Rect kTitleHalf{0, 0, 320, 240};
constexpr tk::Rect kEndingHalf{0, 240, 320, 240};
constexpr tk::Rect kWholeWindow{0, 0, 640, 480};

// The eight neighbours in blue, then the text itself in white on top.
struct OutlinePrint {
  int dx;
  int dy;
  uint32_t color;
};
constexpr OutlinePrint kOutlinePrints[] = {
    {-1, -1, tk::kBlue}, {0, -1, tk::kBlue}, {1, -1, tk::kBlue},
    {-1, 0, tk::kBlue},  {1, 0, tk::kBlue},  {-1, 1, tk::kBlue},
    {0, 1, tk::kBlue},   {1, 1, tk::kBlue},  {0, 0, tk::kWhite},
};

}  // namespace

void DrawHud(tk::Canvas& canvas, const GameState& s) {
  canvas.Cls();
  PrintAt(canvas, 5, 5, "STAGE :" + tk::Str(s.stage));
  // The miss count keeps its place while it fits; a longer one (two digits and more) moves
  // left to end 5 pixels inside the window instead of being cut at its edge.
  const std::string misses = "MISS :" + tk::Str(s.missCount);
  const int width = canvas.TextWidth(misses);
  constexpr int kMissX = 500;
  constexpr int kEdgeGap = 5;
  const int x =
      kMissX + width <= tk::Canvas::kWidth ? kMissX : tk::Canvas::kWidth - kEdgeGap - width;
  PrintAt(canvas, x, 5, misses);
}

void DrawOutlinedText(tk::Canvas& canvas, const GameState& s) {
  const std::string text(s.msgText.data());
  for (const OutlinePrint& print : kOutlinePrints) {
    const int x = Wrap16(s.msgX + print.dx);
    const int y = Wrap16(s.msgY + print.dy);
    // Setting the pixel to its own color only moves the drawing position there.
    canvas.PSet(x, y, canvas.Point(x, y));
    canvas.SetForeColor(print.color);
    canvas.Print(text);
  }
}

void DrawTitleScreen(tk::Canvas& canvas, const tk::Image& picture) {
  canvas.PaintPicture(picture, kTitleHalf, kWholeWindow);
}

void DrawEndingScreen(tk::Canvas& canvas, const tk::Image& picture, GameState& s) {
  canvas.PaintPicture(picture, kEndingHalf, kWholeWindow);
  SetMessage(s, 250, 182, tk::Str(ClearTime(s)));
  DrawOutlinedText(canvas, s);
  SetMessage(s, 250, 245, tk::Str(s.missCount));
  DrawOutlinedText(canvas, s);
  SetMessage(s, 250, 370, tk::Str(Score(s)));
  DrawOutlinedText(canvas, s);
}

}  // namespace ursa::view
