// Trace and end lines of the simulator.
// Numbers are plain decimal; the object digest is eight lowercase hex digits.
#include "tools/ursa-sim/trace_format.hpp"

#include <cinttypes>

#include "game/ending_figures.hpp"
#include "game/frame.hpp"
#include "game/state_digest.hpp"

namespace ursa::sim {

void WriteTraceLine(std::FILE* out, uint64_t frame, const GameState& s, FrameResult result) {
  const std::string_view name = FrameResultName(result);
  std::fprintf(out, "%" PRIu64 " %d %d %" PRId32 " %d %d %d %d %d %d %d %08" PRIx32 " %.*s\n",
               frame, s.stage, s.missCount, s.frameCount, s.playerX, s.playerY, s.velX, s.velY,
               s.animFrame, s.onGround, s.jumpKey, ObjectHash(s), static_cast<int>(name.size()),
               name.data());
}

void WriteEndLine(std::FILE* out, std::string_view reason, const Game& game) {
  const RunTimer* run = game.timeAttack ? &game.run : nullptr;
  std::fprintf(out, "%s\n", EndLine(reason, game.state, run).c_str());
}

}  // namespace ursa::sim
