// Key events handed to the game between frames of play, as a player's keys reach the window:
// how the simulator and the route finder replay a key script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "game/game.hpp"
#include "game/key_script.hpp"

namespace ursa {

// Delivers one key event through KeyDown or KeyUp at once, for a search that steps frames
// itself; a key that asks for a step (Enter, the time attack's key) needs RunGame to run it.
void DeliverKey(Game& game, GameHost& host, const ScriptEvent& event);

// A script's events, delivered in order, frame by frame.
class KeyFeed {
 public:
  explicit KeyFeed(std::span<const ScriptEvent> events) : events_(events) {}

  // The next event of `frame` not yet handed over, for RunGame to take (GameHost::NextKey).
  // Events of an earlier frame that play never stopped at are passed over unheard.
  std::optional<KeyPress> Next(uint64_t frame) {
    // Most steps find nothing due: that is answered here, without a call.
    if (next_ == events_.size() || events_[next_].frame > frame) return std::nullopt;
    return NextDue(frame);
  }
  // Delivers every event of `frame` not yet handed over, through DeliverKey.
  void DeliverFrame(Game& game, GameHost& host, uint64_t frame);

  // True once every event has been delivered or passed over.
  bool Done() const { return next_ == events_.size(); }

 private:
  std::optional<KeyPress> NextDue(uint64_t frame);

  std::span<const ScriptEvent> events_;
  std::size_t next_ = 0;
};

}  // namespace ursa
