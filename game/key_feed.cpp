// Key feed of a script.
// An event leaves the feed before it is delivered, so a handler that plays on never sees it twice.
#include "game/key_feed.hpp"

namespace ursa {

void DeliverKey(Game& game, GameHost& host, const ScriptEvent& event) {
  if (event.down) {
    KeyDown(game, host, event.keyCode);
  } else {
    KeyUp(game, event.keyCode);
  }
}

std::optional<KeyPress> KeyFeed::NextDue(uint64_t frame) {
  while (next_ < events_.size() && events_[next_].frame <= frame) {
    const ScriptEvent& event = events_[next_++];
    if (event.frame == frame) return KeyPress{event.keyCode, event.down};
  }
  return std::nullopt;
}

void KeyFeed::DeliverFrame(Game& game, GameHost& host, uint64_t frame) {
  while (const std::optional<KeyPress> key = Next(frame)) {
    DeliverKey(game, host, {frame, key->keyCode, key->down});
  }
}

}  // namespace ursa
