// Key events of the route's input model.
// Left and Right are never held together, so a change of direction is a release and a press.
#include "tools/ursa-route/key_plan.hpp"

#include "game/game_keys.hpp"

namespace ursa::route {

namespace {

bool Holds(uint8_t keys, uint8_t bit) { return (keys & bit) != 0; }

struct HeldKey {
  uint8_t bit;
  int keyCode;
};

constexpr std::array<HeldKey, 3> kHeldKeys = {{
    {kHoldLeft, kKeyLeft},
    {kHoldRight, kKeyRight},
    {kHoldSpace, kKeySpace},
}};

}  // namespace

uint8_t HeldKeysOfChoice(int choice) {
  const int direction = choice % 3 - 1;
  const bool jump = choice >= 3;
  uint8_t keys = jump ? kHoldSpace : 0;
  if (direction < 0) keys |= kHoldLeft;
  if (direction > 0) keys |= kHoldRight;
  return keys;
}

KeyChanges ChangeKeys(uint8_t held, uint8_t want, uint8_t stale, int frame) {
  const auto at = static_cast<uint64_t>(frame);
  KeyChanges changes;
  for (const HeldKey& key : kHeldKeys) {
    if (Holds(held, key.bit) && !Holds(want, key.bit)) {
      changes.events[changes.count++] = {at, key.keyCode, false};
    }
  }
  for (const HeldKey& key : kHeldKeys) {
    const bool press = Holds(want, key.bit) && (!Holds(held, key.bit) || Holds(stale, key.bit));
    if (press) changes.events[changes.count++] = {at, key.keyCode, true};
  }
  return changes;
}

}  // namespace ursa::route
