// The whole game, stage 1 to the ending, played through the window with the key script the
// simulator replays: the window must end exactly where the simulator does.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game/key_script.hpp"
#include "tests/e2e/game_driver.hpp"
#include "tests/sim_runner.hpp"

namespace ursa::test {
namespace {

struct EndFigures {
  std::string reason;
  int stage = -1;
  int misses = -1;
  int frames = -1;
};

// The `end` line of `ursa-sim play` for the script.
EndFigures SimulatorEnd(const std::string& script) {
  const SimRun run = RunSim("play " + script);
  EndFigures end;
  char reason[16] = {};
  if (run.status == 0 && std::sscanf(run.out.c_str(), "end %15s stage=%d miss=%d frames=%d", reason,
                                     &end.stage, &end.misses, &end.frames) == 4) {
    end.reason = reason;
  }
  return end;
}

TEST(FullGame, TheWindowPlaysTheWholeGameAsTheSimulatorDoes) {
  const std::string script = std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script";
  const EndFigures expected = SimulatorEnd(script);
  ASSERT_EQ(expected.reason, "ending");

  std::ifstream file(script);
  ScriptParse keys = ParseScript(file);
  ASSERT_EQ(keys.error, "");

  GameDriver d;
  d.FeedKeys(keys.events);
  tk::RgbImage ending;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"ending", [&] { return d.Game().screen == Screen::kEnding; },
       [&] {
         ending = d.Form().Screenshot();
         d.Press(SDLK_ESCAPE);
       }},
  });
  EXPECT_TRUE(d.KeysFed());
  EXPECT_EQ(d.State().stage, expected.stage);
  EXPECT_EQ(d.State().missCount, expected.misses);
  EXPECT_EQ(d.State().frameCount, expected.frames);
  // Every stage's door was taken at the frame the simulator took it: no frame more or less.
  EXPECT_EQ(d.Window().Host().FramesRun(), expected.frames + 15);
  EXPECT_GT(CountNear(ending, {249, 181, 160, 36}, tk::kBlue), 20) << "the clear time is shown";
}

}  // namespace
}  // namespace ursa::test
