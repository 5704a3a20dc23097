// Trace and end lines of the simulator.
// Numbers are plain decimal; the object digest is eight lowercase hex digits.
#include "tools/ursa-sim/trace_format.hpp"

#include <cinttypes>

#include "game/ending_figures.hpp"
#include "game/state_digest.hpp"

namespace ursa::sim {

namespace {

const char* ResultName(FrameResult result) {
  switch (result) {
    case FrameResult::kDoor:
      return "door";
    case FrameResult::kFall:
      return "fall";
    case FrameResult::kSpike:
      return "spike";
    case FrameResult::kNone:
      break;
  }
  return "-";
}

}  // namespace

void WriteTraceLine(std::FILE* out, uint64_t frame, const GameState& s, FrameResult result) {
  std::fprintf(out, "%" PRIu64 " %d %d %" PRId32 " %d %d %d %d %d %d %d %08" PRIx32 " %s\n",
               frame, s.stage, s.missCount, s.frameCount, s.playerX, s.playerY, s.velX, s.velY,
               s.animFrame, s.onGround, s.jumpKey, ObjectHash(s), ResultName(result));
}

void WriteEndLine(std::FILE* out, std::string_view reason, const GameState& s) {
  std::fprintf(out, "end %.*s stage=%d miss=%d frames=%" PRId32 " time=%" PRId32 " score=%" PRId64
               "\n",
               static_cast<int>(reason.size()), reason.data(), s.stage, s.missCount, s.frameCount,
               ClearTime(s), Score(s));
}

}  // namespace ursa::sim
