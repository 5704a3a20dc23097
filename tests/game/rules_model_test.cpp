// The game's frame against the plain model of the rules (plain_rules.hpp), state by state: on
// every stage under random keys, and on made-up tables full of edge cases (platforms on their
// limits, sinkers at the floor, carries onto other objects, entries near the 16-bit ends).
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "game/frame.hpp"
#include "game/null_host.hpp"
#include "game/stage_layouts.hpp"
#include "game/stage_objects.hpp"
#include "tests/game/plain_rules.hpp"
#include "tests/game/test_support.hpp"

namespace ursa {
namespace {

// Every field the rules read or write, printed for a failure message.
std::string Fields(const GameState& s) {
  std::ostringstream out;
  out << s.stage << ' ' << s.frameCount << " player " << s.playerX << ',' << s.playerY << " vel "
      << s.velX << ',' << s.velY << " anim " << s.animFrame << " ground " << s.onGround;
  for (int i = 0; i < kObjectCount; ++i) {
    out << " | " << s.objKind[i] << ' ' << s.objX[i] << ' ' << s.objY[i] << ' ' << s.objLimitA[i]
        << ' ' << s.objLimitB[i] << ' ' << s.objVel[i];
  }
  for (int i = 0; i < kBlockCount; ++i) out << " # " << s.blockX[i] << ' ' << s.blockY[i];
  return out.str();
}

bool Same(const GameState& a, const GameState& b) {
  const auto rules = [](const GameState& s) {
    return std::tie(s.stage, s.frameCount, s.playerX, s.playerY, s.velX, s.velY, s.animFrame,
                    s.onGround, s.jumpKey, s.blockX, s.blockY, s.objX, s.objY, s.objKind,
                    s.objLimitA, s.objLimitB, s.objVel);
  };
  return rules(a) == rules(b);
}

// Runs one frame both ways; true when they agree on the result and on every field.
::testing::AssertionResult SameFrame(GameState& game, std::mt19937& random) {
  GameState model = game;
  const int input = static_cast<int>(random() % 6);
  game.moveInput = model.moveInput = static_cast<int16_t>(input % 3 - 1);
  game.jumpKey = model.jumpKey = input >= 3 ? kJumpPressed : kJumpReleased;
  NullHost host;
  const FrameResult result = RunFrame(game, host);
  const FrameResult expected = plain::Frame(model);
  if (result == expected && Same(game, model)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << FrameResultName(result) << " " << Fields(game)
         << "\nmodel: " << FrameResultName(expected) << " " << Fields(model);
}

TEST(RulesModel, EveryStageUnderRandomKeysFollowsTheModel) {
  std::mt19937 random(7);
  for (int16_t stage = kFirstStage; stage <= kLastStage; ++stage) {
    GameState s = test::StageState(stage);
    for (int frame = 0; frame < 20000; ++frame) {
      ASSERT_TRUE(SameFrame(s, random)) << "stage " << stage << " frame " << frame;
      if (s.stage != stage || s.playerY <= kFallLimit || random() % 400 == 0) {
        s = test::StageState(stage);
      }
      if (random() % 50 == 0) {  // somewhere else on the stage, at any speed
        s.playerX = static_cast<int16_t>(static_cast<int>(random() % 6000) - 500);
        s.playerY = static_cast<int16_t>(static_cast<int>(random() % 1600) - 300);
        s.velX = static_cast<int16_t>(static_cast<int>(random() % 31) - 15);
        s.velY = static_cast<int16_t>(static_cast<int>(random() % 49) - 20);
      }
    }
  }
}

TEST(RulesModel, MadeUpTablesFollowTheModel) {
  std::mt19937 random(11);
  const auto near = [&](int centre, int spread) {
    return Wrap16(centre + static_cast<int>(random() % (2 * spread + 1)) - spread);
  };
  for (int trial = 0; trial < 20000; ++trial) {
    // Everything crowds around a centre, now and then at the ends of the 16-bit range.
    const int centre = trial % 10 == 0 ? 32700 : trial % 10 == 1 ? -32700 : 0;
    GameState s = test::EmptyState(near(centre, 200), near(centre, 200));
    s.velX = near(0, 15);
    s.velY = near(0, 28);
    for (int i = 0; i < kBlockCount; i += 1 + static_cast<int>(random() % 6)) {
      s.blockX[i] = near(centre, 300);
      s.blockY[i] = near(centre - 150, 300);
    }
    for (int i = 0; i < kObjectCount; ++i) {
      if (random() % 3 != 0) continue;
      const auto kind = static_cast<int16_t>(random() % 7);
      const int16_t at = near(centre, 250);
      const int16_t vel = random() % 8 == 0 ? kSinkSpeed : near(0, 10);
      // A limit one step away, or the floor of a sinking platform, or anywhere.
      const int16_t limit = random() % 2 == 0 ? Wrap16(at + vel) : near(centre, 250);
      // Heights on a grid of 50, so that tops and reaches line up with each other.
      const int16_t y = random() % 5 == 0     ? near(kSinkFloor, 3)
                        : kind == kKindBlock3 ? at
                                              : Wrap16(centre + 50 * (near(0, 5)));
      test::PutObject(s, i, kind, kind == kKindBlock3 ? near(centre, 120) : at, y, limit,
                      random() % 3 == 0 ? kSinkFloor : limit, vel);
    }
    // Often standing on a moving platform, to be carried across the reach of other objects.
    const auto slider = static_cast<int>(random() % kObjectCount);
    if (trial % 2 == 0 && s.objKind[slider] == kKindBlock2) {
      s.playerX = near(s.objX[slider], 70);
      s.playerY = Wrap16(s.objY[slider] + 150);
    }
    for (int frame = 0; frame < 4; ++frame) {
      ASSERT_TRUE(SameFrame(s, random)) << "trial " << trial << " frame " << frame;
    }
  }
}

}  // namespace
}  // namespace ursa
