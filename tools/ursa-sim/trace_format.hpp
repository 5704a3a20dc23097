// The simulator's output lines: one per frame of play, and the closing line with the results.
// Later tools compare these byte for byte, so the formats are fixed.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "game/game.hpp"
#include "game/game_host.hpp"
#include "game/game_state.hpp"

namespace ursa::sim {

// "<F> <stage> <missCount> <frameCount> <playerX> <playerY> <velX> <velY> <animFrame>
//  <onGround> <jumpKey> <objhash> <result>"
void WriteTraceLine(std::FILE* out, uint64_t frame, const GameState& s, FrameResult result);

// "end <reason> stage=.. miss=.. frames=.. time=.. score=..", with " run=.." after a time attack
void WriteEndLine(std::FILE* out, std::string_view reason, const Game& game);

}  // namespace ursa::sim
