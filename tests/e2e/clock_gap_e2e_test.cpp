// Gaps in the window's clock, as when the program is stopped for seconds: a jump of the clock at
// any pump of play runs one frame at most, pauses the game with the keyboard's keys let go, and
// counts in neither the play clock nor the run's time; P goes on from where play stood.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/replay.hpp"
#include "game/ticks.hpp"
#include "harness/pump_hook.hpp"
#include "tests/e2e/game_driver.hpp"

namespace ursa::test {
namespace {

// Where in a turn of the window's loop (a step, then its pump) the clock jumps: before the
// pump, in its wait (the next wait for a pump that does not wait), or after the pump.
enum class At { kBeforePump, kInPump, kAfterPump };

struct Case {
  PumpKind phase;
  At at;
  bool smooth = false;        // smooth pictures drawn in the waits between ticks
  bool pAtFirstPump = false;  // P comes in the first pump after the gap, before the banner
};

// A time attack from stage 6 with Right held, turned a step and a pump at a time as
// GameWindow::Run turns it; the clock jumps 7 s in the first turn of the case's phase (for
// the death sequence, from its 50th picture on; for leaving, after Esc).
void JumpIn(const Case& c) {
  SCOPED_TRACE(::testing::Message() << "pump kind " << static_cast<int>(c.phase) << ", at "
                                    << static_cast<int>(c.at) << (c.smooth ? ", smooth" : ""));
  harness::ScriptedPlay play;
  WindowHost& host = play.Window().Host();
  const GameState& s = play.State();
  play.Window().SetSmoothPictures(c.smooth);
  std::function<void()> onPause;
  const harness::PumpHook hook(play.Form(), play.Window(), [&] {
    if (onPause && host.Pause().Paused()) std::exchange(onPause, {})();
  });
  // The game as the jump found it and as the first pump that finds it paused does.
  const auto now = [&] {
    return std::array<int64_t, 3>{host.FramesRun(), s.deathTimer, play.Game().run.frames};
  };
  std::array<int64_t, 3> before{};
  const auto turn = [&](bool jumpInPhase) {
    const StepWait wait = RunGame(play.Game(), host);
    const bool jump = jumpInPhase && wait.pump == c.phase;
    if (jump) before = now();
    if (jump && c.at == At::kBeforePump) play.Advance(7000);
    if (jump && c.at == At::kInPump) play.OversleepNextWait(7000);
    host.Pumps().Pump(wait);
    if (jump && c.at == At::kAfterPump) play.Advance(7000);
    return jump;
  };
  const auto turnUntil = [&](const std::function<bool()>& done) {
    for (int i = 0; i < 2000 && !done(); ++i) turn(false);
    return done();
  };
  play.Window().StartTimeAttackAtLoad();
  play.Window().Load();
  ASSERT_TRUE(turnUntil([&] { return play.Playing(1); }));
  // Stage 6, where Right runs into a spike: Enter builds the stage again from its number.
  play.State().stage = 6;
  const int64_t framesAtEnter = host.FramesRun();
  play.Press(SDLK_RETURN);
  ASSERT_TRUE(turnUntil([&] { return s.frameCount == 1 && host.FramesRun() > framesAtEnter; }));
  play.Press(SDLK_RIGHT);
  ASSERT_TRUE(turnUntil(
      [&] { return c.phase == PumpKind::kDeath ? s.deathTimer >= 50 : play.Playing(10); }));
  if (c.phase == PumpKind::kLeaving) play.Press(SDLK_ESCAPE);

  std::array<int64_t, 3> paused{};
  int64_t resumedAt = 0;
  tk::RgbImage shot;
  onPause = [&] {
    paused = now();
    const auto pressP = [&] {
      shot = play.Form().Screenshot();
      resumedAt = play.Now();
      play.Press(SDLK_p);
    };
    // Otherwise the banner is up by the paused pump's next pass.
    if (c.pAtFirstPump)
      pressP();
    else
      onPause = pressP;
  };
  bool jumped = false;
  for (int i = 0; i < 20 && !jumped; ++i) jumped = turn(true);
  ASSERT_TRUE(jumped);
  if (c.phase == PumpKind::kLeaving) {
    // Nothing is paused on the way out of play, nor in the next game.
    ASSERT_TRUE(turnUntil([&] { return play.OnTitle(); }));
    play.Press(SDLK_RETURN);
    EXPECT_TRUE(turnUntil([&] { return play.Playing(10); }));
    EXPECT_EQ(resumedAt, 0) << "paused";
    return;
  }
  ASSERT_TRUE(turnUntil([&] { return resumedAt != 0; })) << "the jump did not pause";
  // One frame or death picture at most for the whole jump, in the run's time too.
  for (int i = 0; i < 3; ++i) EXPECT_LE(paused[i] - before[i], 1) << i;
  if (!c.pAtFirstPump) {
    EXPECT_GT(CountNear(shot, {250, 0, 140, 50}, tk::kWhite, 0), 50) << "no banner";
  }
  const int32_t lastTick = s.lastTick;
  if (c.phase == PumpKind::kDeath) {
    // The rest of the death sequence comes at its pace from where it stood, not rushed.
    ASSERT_TRUE(turnUntil([&] { return s.missCount == 1 && play.Playing(0); }));
    EXPECT_GE(play.Now() - resumedAt, (200 - paused[1] - 1) * 1000 / 60);
    return;
  }
  // Ten frames more take ten ticks of play time, as if the gap had never been.
  ASSERT_TRUE(turnUntil([&] { return host.FramesRun() >= paused[0] + 10; }));
  EXPECT_LE(TicksSince(lastTick, s.lastTick), 10 + 1);
  EXPECT_EQ(s.moveInput, 0) << "Right, held before the gap, still runs";
}

TEST(ClockGapE2E, AJumpAtAnyPumpOfPlayRunsOneFrameAtMostAndPauses) {
  for (const PumpKind phase :
       {PumpKind::kWaiting, PumpKind::kAfterFrame, PumpKind::kDeath, PumpKind::kLeaving}) {
    for (const At at : {At::kBeforePump, At::kInPump, At::kAfterPump}) {
      // The way out waits for nothing: a later wait would be the next game's.
      if (phase != PumpKind::kLeaving || at != At::kInPump) JumpIn({phase, at});
    }
  }
  JumpIn({PumpKind::kWaiting, At::kInPump, true});
  JumpIn({PumpKind::kWaiting, At::kAfterPump, false, true});
}

// A replay's keys come by frames, so a gap moves none of them: the replay plays on to its end.
TEST(ClockGapE2E, AReplayPlaysOnOverAGap) {
  harness::ScriptedPlay play;
  KeyReplay replay({{0, kKeyRight, true}, {40, kKeyEsc, true}, {40, kKeyEsc, true}});
  play.Window().SetReplay(&replay);
  bool paused = false;
  const std::string missed = play.Run(
      {harness::ScriptedPlay::StartUp(),
       {"frame 10", [&] { return play.Playing(10); }, [&] { play.OversleepNextWait(7000); }},
       {"the replay quits",
        [&] {
          paused = paused || play.Window().Paused();
          return false;
        },
        [] {}}},
      60 * 1000);
  EXPECT_EQ(missed, "the replay quits");
  EXPECT_FALSE(paused);
  EXPECT_TRUE(replay.Done());
  EXPECT_EQ(play.Window().FramesRun(), 40);
}

}  // namespace
}  // namespace ursa::test
