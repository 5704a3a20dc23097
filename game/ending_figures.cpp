// Clear time and score of the ending screen.
// frameCount never goes below 0, so integer division rounds down.
#include "game/ending_figures.hpp"

namespace ursa {

int32_t ClearTime(const GameState& s) { return s.frameCount / 10; }

int64_t Score(const GameState& s) { return 10000 - int64_t{500} * s.missCount - ClearTime(s); }

}  // namespace ursa
