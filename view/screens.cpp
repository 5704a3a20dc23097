// The HUD band, the title and ending screens, and the outlined text.
// The screens are the two halves of the screen picture, each enlarged by exactly 2.
#include "view/screens.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "game/ending_figures.hpp"
#include "toolkit/color.hpp"
#include "toolkit/number_text.hpp"
#include "toolkit/picture_size.hpp"
#include "toolkit/text_face.hpp"

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
constexpr tk::Rect kWholeWindow = tk::kWholePicture;

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

std::string StageText(const GameState& s) { return "STAGE :" + tk::Str(s.stage); }
std::string MissText(const GameState& s) { return "MISS :" + tk::Str(s.missCount); }

}  // namespace

void DrawHud(tk::Canvas& canvas, const GameState& s) {
  canvas.Cls();
  const tk::Rect stage = HudStageCell(canvas, s);
  PrintAt(canvas, stage.x, stage.y, StageText(s));
  const tk::Rect misses = HudMissCell(canvas, s);
  PrintAt(canvas, misses.x, misses.y, MissText(s));
}

tk::Rect HudStageCell(const tk::Canvas& canvas, const GameState& s) {
  constexpr int kStageX = 5;
  return {kStageX, kHudTextY, canvas.TextWidth(StageText(s)), canvas.Face().LineHeight()};
}

tk::Rect HudMissCell(const tk::Canvas& canvas, const GameState& s) {
  // The miss count keeps its place while it fits; a longer one (two digits and more) moves
  // left to end 5 pixels inside the window instead of being cut at its edge.
  const int width = canvas.TextWidth(MissText(s));
  constexpr int kMissX = 500;
  constexpr int kEdgeGap = 5;
  const int x =
      kMissX + width <= tk::Canvas::kWidth ? kMissX : tk::Canvas::kWidth - kEdgeGap - width;
  return {x, kHudTextY, width, canvas.Face().LineHeight()};
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

void PrintOutlined(tk::Canvas& canvas, GameState& s, int x, int y, const std::string& text,
                   uint32_t color) {
  SetMessage(s, x, y, text);
  // The edge first, as DrawOutlinedText prints it, then the same glyphs again in their colour.
  DrawOutlinedText(canvas, s);
  if (color == tk::kWhite) return;
  canvas.PSet(s.msgX, s.msgY, canvas.Point(s.msgX, s.msgY));
  canvas.SetForeColor(color);
  canvas.Print(s.msgText.data());
  canvas.SetForeColor(tk::kWhite);
}

void DrawTitleScreen(tk::Canvas& canvas, const tk::Image& picture) {
  canvas.PaintPicture(picture, kTitleHalf, kWholeWindow);
}

void DrawEndingPicture(tk::Canvas& canvas, const tk::Image& picture) {
  canvas.PaintPicture(picture, kEndingHalf, kWholeWindow);
}

void DrawEndingScreen(tk::Canvas& canvas, const tk::Image& picture, GameState& s) {
  DrawEndingPicture(canvas, picture);
  SetMessage(s, kEndingFigureX, kEndingTimeY, tk::Str(ClearTime(s)));
  DrawOutlinedText(canvas, s);
  SetMessage(s, kEndingFigureX, kEndingMissY, tk::Str(s.missCount));
  DrawOutlinedText(canvas, s);
  SetMessage(s, kEndingFigureX, kEndingScoreY, tk::Str(Score(s)));
  DrawOutlinedText(canvas, s);
}

}  // namespace ursa::view
