// The time attack's ending: the run's time stands in the clear time's row; the best run and
// the par make a line of their own under the picture's title, in the same outlined print.
#include "view/time_attack_ending.hpp"

#include <algorithm>
#include <string>

#include "game/ending_figures.hpp"
#include "game/run_timer.hpp"
#include "toolkit/color.hpp"
#include "toolkit/number_text.hpp"
#include "view/run_clock.hpp"
#include "view/screens.hpp"

namespace ursa::view {
namespace {

// The picture's own labels start at this x; the line of best and par lies between its title
// and its clear time.
constexpr int kLabelX = 45;
constexpr int kCompareY = 105;
constexpr int kParX = 300;  // the par's label, unless a very long best reaches past it
constexpr int kLabelGap = 12;
constexpr int kFigureGap = 30;
// Beside the title, on its base line.
constexpr int kNewBestX = 400;
constexpr int kNewBestY = 32;

// A label, then its figure after a gap; returns where the figure ends.
int PrintLabelled(tk::Canvas& canvas, GameState& s, int x, const std::string& label,
                  const std::string& figure) {
  PrintOutlined(canvas, s, x, kCompareY, label);
  const int figureX = x + canvas.TextWidth(label) + kLabelGap;
  PrintOutlined(canvas, s, figureX, kCompareY, figure);
  return figureX + canvas.TextWidth(figure);
}

// A time as the ending's figures stand: after a blank where a sign would be.
std::string TimeFigure(int32_t frames) {
  std::string figure = " ";
  figure += RunTimeText(frames);
  return figure;
}

}  // namespace

void DrawTimeAttackEnding(tk::Canvas& canvas, const tk::Image& picture, GameState& s,
                          int32_t runFrames, std::optional<int32_t> bestFrames, int32_t parFrames) {
  DrawEndingPicture(canvas, picture);
  // A new best shows in the clock's colour, its time and the word beside the title alike.
  const bool newBest = bestFrames && runFrames < *bestFrames;
  const uint32_t timeColor = newBest ? kClockColor : tk::kWhite;
  PrintOutlined(canvas, s, kEndingFigureX, kEndingTimeY, TimeFigure(runFrames), timeColor);
  PrintOutlined(canvas, s, kEndingFigureX, kEndingMissY, tk::Str(s.missCount));
  PrintOutlined(canvas, s, kEndingFigureX, kEndingScoreY, tk::Str(Score(s)));

  const int bestEnd = PrintLabelled(canvas, s, kLabelX, "BEST", TimeOrNone(bestFrames));
  PrintLabelled(canvas, s, std::max(kParX, bestEnd + kFigureGap), "PAR", RunTimeText(parFrames));
  if (newBest) PrintOutlined(canvas, s, kNewBestX, kNewBestY, "NEW BEST!", kClockColor);
}

}  // namespace ursa::view
