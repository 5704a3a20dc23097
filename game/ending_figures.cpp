// Clear time and score of the ending screen.
// frameCount never goes below 0, so integer division rounds down.
#include "game/ending_figures.hpp"

#include <cinttypes>
#include <cstdio>

namespace ursa {

int32_t ClearTime(const GameState& s) { return s.frameCount / 10; }

int64_t Score(const GameState& s) { return 10000 - int64_t{500} * s.missCount - ClearTime(s); }

std::string EndLine(std::string_view reason, const GameState& s, const RunTimer* run) {
  char figures[128];
  std::snprintf(figures, sizeof figures,
                " stage=%d miss=%d frames=%" PRId32 " time=%" PRId32 " score=%" PRId64, s.stage,
                s.missCount, s.frameCount, ClearTime(s), Score(s));
  std::string line = "end " + std::string(reason) + figures;
  if (run != nullptr) line += " run=" + std::to_string(run->frames);
  return line;
}

}  // namespace ursa
