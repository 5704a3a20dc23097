// Stage replay to the door.
// The host has no view and a clock that never moves: only the frames and the keys count.
#include "tools/ursa-route/door_replay.hpp"

#include "game/frame.hpp"
#include "game/key_feed.hpp"
#include "game/null_host.hpp"

namespace ursa::route {

std::optional<int> PlayToDoor(Game& game, std::span<const ScriptEvent> events, int frameLimit) {
  NullHost host;
  KeyFeed keys(events);
  for (int frame = 0; frame < frameLimit; ++frame) {
    keys.DeliverFrame(game, host, static_cast<uint64_t>(frame));
    const FrameResult result = RunFrame(game.state, host);
    if (result == FrameResult::kDoor) return frame + 1;
    if (result != FrameResult::kNone) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace ursa::route
