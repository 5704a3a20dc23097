// The route's input model against the real key handlers: whatever was held before, the events
// of a change leave the game seeing exactly the chosen direction and jump key.
#include "tools/ursa-route/key_plan.hpp"

#include <gtest/gtest.h>

#include "game/key_feed.hpp"
#include "game/null_host.hpp"
#include "game/player_motion.hpp"
#include "tools/ursa-route/game_route.hpp"

namespace ursa::route {
namespace {

int DirectionOf(uint8_t keys) {
  if ((keys & kHoldLeft) != 0) return -1;
  if ((keys & kHoldRight) != 0) return 1;
  return 0;
}

// Presses `keys` in a fresh stage, as an earlier step of the same stage would have.
Game GameHolding(uint8_t keys) {
  Game game = StartedGame(1);
  NullHost host;
  const KeyChanges presses = ChangeKeys(0, keys, 0, 0);
  for (int e = 0; e < presses.count; ++e) DeliverKey(game, host, presses.events[e]);
  return game;
}

TEST(KeyPlan, EveryChangeLeavesTheGameSeeingTheChosenKeys) {
  const uint8_t helds[] = {
      0, kHoldLeft, kHoldRight, kHoldSpace, kHoldLeft | kHoldSpace, kHoldRight | kHoldSpace};
  for (const uint8_t held : helds) {
    for (int choice = 0; choice < kInputChoices; ++choice) {
      const uint8_t want = HeldKeysOfChoice(choice);
      for (const bool afterStageStart : {false, true}) {
        // After a stage start the keys are still down, but the game has forgotten them.
        Game game = afterStageStart ? StartedGame(2) : GameHolding(held);
        const uint8_t stale = afterStageStart ? held : 0;
        const KeyChanges changes = ChangeKeys(held, want, stale, 7);
        NullHost host;
        for (int e = 0; e < changes.count; ++e) {
          EXPECT_EQ(changes.events[e].frame, 7U);
          DeliverKey(game, host, changes.events[e]);
        }
        const std::string what = "held " + std::to_string(held) + " choice " +
                                 std::to_string(choice) + (afterStageStart ? " stale" : "");
        EXPECT_EQ(game.state.moveInput, DirectionOf(want)) << what;
        EXPECT_EQ(game.state.jumpKey, (want & kHoldSpace) ? kJumpPressed : kJumpReleased) << what;
      }
    }
  }
}

TEST(KeyPlan, KeepingTheSameKeysSendsNothingAndReversingReleasesFirst) {
  EXPECT_EQ(ChangeKeys(kHoldRight | kHoldSpace, kHoldRight | kHoldSpace, 0, 3).count, 0);

  const KeyChanges reverse = ChangeKeys(kHoldLeft, kHoldRight, 0, 3);
  ASSERT_EQ(reverse.count, 2);
  EXPECT_EQ(reverse.events[0], (ScriptEvent{3, kKeyLeft, false}));
  EXPECT_EQ(reverse.events[1], (ScriptEvent{3, kKeyRight, true}));
}

TEST(KeyPlan, TheSixChoicesAreDistinctAndNeverHoldBothDirections) {
  for (int a = 0; a < kInputChoices; ++a) {
    const uint8_t keys = HeldKeysOfChoice(a);
    EXPECT_NE(keys & (kHoldLeft | kHoldRight), kHoldLeft | kHoldRight) << a;
    for (int b = a + 1; b < kInputChoices; ++b) EXPECT_NE(keys, HeldKeysOfChoice(b)) << a << b;
  }
}

}  // namespace
}  // namespace ursa::route
