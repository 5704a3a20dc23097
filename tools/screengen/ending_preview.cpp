// Prints the clear time, the misses and the score where the game prints them, so the
// picture's free space after its labels can be checked by eye.
#include "tools/screengen/ending_preview.hpp"

#include <string>

#include "tools/screengen/screen_layout.hpp"

namespace ursa::screengen {
namespace {

constexpr int kGamePixelSize = 32;

// The game's number text: a blank before numbers of zero or more, a minus sign otherwise.
std::string NumberText(int n) {
  std::string text = std::to_string(n);
  if (n >= 0) {
    text.insert(text.begin(), ' ');
  }
  return text;
}

void Outlined(Canvas& canvas, const TextPainter& text, const std::string& s, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (dx != 0 || dy != 0) {
        text.DrawCell(canvas, s, Face::kGameGothic, kGamePixelSize, x + dx, y + dy, {0, 0, 1});
      }
    }
  }
  text.DrawCell(canvas, s, Face::kGameGothic, kGamePixelSize, x, y, {1, 1, 1});
}

}  // namespace

Canvas EndingWithNumbers(Canvas ending, const TextPainter& text, int frameCount, int missCount) {
  const int clearTime = frameCount / 10;
  const int score = 10000 - 500 * missCount - clearTime;
  const int values[3] = {clearTime, missCount, score};
  for (int i = 0; i < 3; ++i) {
    Outlined(ending, text, NumberText(values[i]), layout::kNumberX, layout::kNumberRows[i]);
  }
  return ending;
}

}  // namespace ursa::screengen
