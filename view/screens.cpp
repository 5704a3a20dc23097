// The HUD band, the title and ending screens, and the outlined text.
// The screens are the two halves of the screen picture, each enlarged by exactly 2.
#include "view/screens.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "toolkit/form1.hpp"
#include "toolkit/number_text.hpp"
#include "game/ending_figures.hpp"

namespace ursa {
namespace {

void PrintAt(tk::Form1& form, int x, int y, const std::string& text) {
  form.PSet(x, y, kColourBlack);
  form.Print(text);
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
  uint32_t colour;
};
constexpr OutlinePrint kOutlinePrints[] = {
    {-1, -1, kColourBlue}, {0, -1, kColourBlue}, {1, -1, kColourBlue},
    {-1, 0, kColourBlue},  {1, 0, kColourBlue},  {-1, 1, kColourBlue},
    {0, 1, kColourBlue},   {1, 1, kColourBlue},  {0, 0, kColourWhite},
};

}  // namespace

void DrawHud(tk::Form1& form, const GameState& s) {
  form.Cls();
  PrintAt(form, 5, 5, "STAGE :" + tk::Str(s.stage));
  PrintAt(form, 500, 5, "MISS :" + tk::Str(s.missCount));
}

void DrawOutlinedText(tk::Form1& form, const GameState& s) {
  const std::string text(s.msgText.data());
  for (const OutlinePrint& print : kOutlinePrints) {
    const int x = Wrap16(s.msgX + print.dx);
    const int y = Wrap16(s.msgY + print.dy);
    // Setting the pixel to its own colour only moves the drawing position there.
    form.PSet(x, y, form.Point(x, y));
    form.SetForeColor(print.colour);
    form.Print(text);
  }
}

void DrawTitleScreen(tk::Form1& form) {
  form.PaintPicture(form.Image1(), kTitleHalf, kWholeWindow);
}

void DrawEndingScreen(tk::Form1& form, GameState& s) {
  form.PaintPicture(form.Image1(), kEndingHalf, kWholeWindow);
  SetMessage(s, 250, 182, tk::Str(ClearTime(s)));
  DrawOutlinedText(form, s);
  SetMessage(s, 250, 245, tk::Str(s.missCount));
  DrawOutlinedText(form, s);
  SetMessage(s, 250, 370, tk::Str(Score(s)));
  DrawOutlinedText(form, s);
}

}  // namespace ursa
