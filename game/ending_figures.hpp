// The figures of the ending screen: clear time and score, from frameCount and missCount.
// The score is computed wide, so a long game with many misses shows its true negative value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/game_state.hpp"
#include "game/run_timer.hpp"

namespace ursa {

// Frames of play in units of ten frames, rounded down.
int32_t ClearTime(const GameState& s);
// 10000 less 500 per miss less the clear time.
int64_t Score(const GameState& s);

// How a played script ended, as ursa-sim and the browser's replay both say it:
// "end <reason> stage=.. miss=.. frames=.. time=.. score=.." (no newline), and " run=.." with
// the run timer's frames when the script played a time attack (`run` not null).
std::string EndLine(std::string_view reason, const GameState& s, const RunTimer* run = nullptr);

}  // namespace ursa
