// Recorded runs through the real window, headless on the virtual clock: a run played with key
// presses (some during the death sequence, on the way out and on the title) and recorded
// with --record's recorder ends where ursa-sim's replay of the file ends; --replay's replay
// of it in the window ends there too and records the same file again.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/recorder.hpp"
#include "app/replay.hpp"
#include "game/stage_layouts.hpp"
#include "harness/pump_hook.hpp"
#include "harness/scripted_play.hpp"
#include "tests/sim_runner.hpp"

namespace ursa::test {
namespace {

using harness::ScriptedPlay;

struct EndFigures {
  int stage = -1;
  int misses = -1;
  int frames = -1;
  bool operator==(const EndFigures&) const = default;
};

std::ostream& operator<<(std::ostream& out, const EndFigures& e) {
  return out << "stage=" << e.stage << " miss=" << e.misses << " frames=" << e.frames;
}

EndFigures FiguresOf(const GameState& s) { return {s.stage, s.missCount, s.frameCount}; }

// The figures of `ursa-sim play` on a recorded file.
EndFigures SimulatorEnd(const std::string& options) {
  const SimRun run = RunSim("play " + options);
  EXPECT_EQ(run.status, 0) << run.err;
  EndFigures end;
  char reason[16] = {};
  EXPECT_EQ(std::sscanf(run.out.c_str(), "end %15s stage=%d miss=%d frames=%d", reason, &end.stage,
                        &end.misses, &end.frames),
            4)
      << run.out;
  EXPECT_STREQ(reason, "title") << run.out;
  return end;
}

std::unique_ptr<KeyRecorder> OpenRecorder(const std::string& path) {
  std::string error;
  auto recorder = KeyRecorder::Open(path, error);
  EXPECT_NE(recorder, nullptr) << error;
  return recorder;
}

// Run `steps` with `play`, then check every step was taken.
void RunAll(ScriptedPlay& play, std::vector<ScriptedPlay::Step> steps) {
  EXPECT_EQ(play.Run(std::move(steps)), "") << "the moment of this step never came";
}

// A step at `frames` frames of play after the moment `start` was set.
ScriptedPlay::Step After(ScriptedPlay& play, const int64_t& start, int64_t frames,
                         std::function<void()> act) {
  return {"frame " + std::to_string(frames) + " after the restart",
          [&play, &start, frames] { return play.Window().FramesRun() >= start + frames; },
          std::move(act)};
}

// Replays `recording` in the window as --replay does, from `stage`, recording it again;
// returns the figures where the replay quit.
EndFigures ReplayInWindow(const std::string& recording, int stage, const std::string& again) {
  std::ifstream file(recording, std::ios::binary);
  ScriptParse script = ParseScript(file);
  EXPECT_EQ(script.error, "");
  KeyReplay replay(std::move(script.events));
  const auto recorder = OpenRecorder(again);
  ScriptedPlay play;
  play.Window().SetReplay(&replay);
  play.Window().SetRecorder(recorder.get());
  // The first pump runs inside start-up, before the title and before any replayed key. The
  // replay ends the program itself (Esc on the title); a step that never comes keeps the
  // window's time limit in force in case it does not.
  constexpr int64_t kLimitMs = 10 * 60 * 1000;
  const std::string missed = play.Run(
      {{"start-up", [] { return true; }, [&] { play.State().stage = static_cast<int16_t>(stage); }},
       {"the replay quits", [] { return false; }, [] {}}},
      kLimitMs);
  EXPECT_EQ(missed, "the replay quits");
  EXPECT_LT(play.Now(), kLimitMs) << "the window was closed at the time limit";
  EXPECT_TRUE(replay.Done());
  return FiguresOf(play.State());
}

// Replays `recording` from `stage` as the browser's page does: one StepWithoutWaiting per
// animation frame, called at irregular moments (0 to 40 ms apart) and never waiting; returns
// the figures where the replay quit.
EndFigures ReplayInBrowserLoop(const std::string& recording, int stage) {
  std::ifstream file(recording, std::ios::binary);
  ScriptParse script = ParseScript(file);
  KeyReplay replay(std::move(script.events));
  ScriptedPlay play;
  play.Window().SetReplay(&replay);
  bool startedUp = false;
  const harness::PumpHook hook(play.Form(), play.Window(), [&] {
    if (!std::exchange(startedUp, true)) play.State().stage = static_cast<int16_t>(stage);
  });
  std::mt19937 random(17);
  std::uniform_int_distribution<int> gapMs(0, 40);
  constexpr int64_t kLimitMs = 10 * 60 * 1000;
  while (play.Window().StepWithoutWaiting() && play.Now() < kLimitMs) play.Advance(gapMs(random));
  EXPECT_LT(play.Now(), kLimitMs) << "the replay never quit";
  EXPECT_TRUE(replay.Done());
  return FiguresOf(play.State());
}

TEST(RecordedRun, ARunWithAMissARestartAndTwoGamesEndsAsTheSimulatorEnds) {
  const std::string path = TempPath("two_games.keys");
  EndFigures seen;
  {
    const auto recorder = OpenRecorder(path);
    ScriptedPlay play;
    play.Window().SetRecorder(recorder.get());
    int64_t restart = -1;
    RunAll(play,
           {
               ScriptedPlay::StartUp(),
               {"title", [] { return true; }, [&] { play.Press(SDLK_RETURN); }},
               {"run", [&] { return play.Playing(3); },
                [&] {
                  play.Release(SDLK_RETURN);
                  play.Press(SDLK_RIGHT);  // held, no jump: into the gap after the first floor
                }},
               {"fallen", [&] { return play.State().missCount == 1 && play.Playing(2); },
                [&] {
                  play.Release(SDLK_RIGHT);
                  play.Press(SDLK_RETURN);  // the stage again, from the start
                  restart = play.Window().FramesRun();
                }},
               After(play, restart, 0,
                     [&] {
                       play.Release(SDLK_RETURN);
                       play.Press(SDLK_RIGHT);
                     }),
               After(play, restart, 10, [&] { play.Press(SDLK_SPACE); }),
               After(play, restart, 11, [&] { play.Release(SDLK_SPACE); }),
               After(play, restart, 69, [&] { play.Press(SDLK_UP); }),
               After(play, restart, 70, [&] { play.Release(SDLK_UP); }),
               After(play, restart, 125, [&] { play.Press(SDLK_SPACE); }),
               After(play, restart, 126,
                     [&] {
                       play.Release(SDLK_SPACE);
                       play.Release(SDLK_RIGHT);
                     }),
               {"stage 2", [&] { return play.State().stage == 2 && play.Playing(6); },
                [&] {
                  play.Press(SDLK_ESCAPE);
                  play.Press(SDLK_LEFT);
                }},
               {"title", [&] { return play.OnTitle(); },
                [&] {
                  play.Release(SDLK_ESCAPE);
                  play.Press(SDLK_RIGHT);  // on the title: reset by the stage start
                  play.Press(SDLK_RETURN);
                }},
               {"second game", [&] { return play.Playing(30); },
                [&] {
                  play.Release(SDLK_RETURN);
                  play.Press(SDLK_SPACE);
                }},
               {"jumped", [&] { return play.Playing(40); }, [&] { play.Press(SDLK_ESCAPE); }},
               {"title again", [&] { return play.OnTitle(); },
                [&] {
                  seen = FiguresOf(play.State());
                  play.Press(SDLK_ESCAPE);
                }},
           });
  }
  ASSERT_EQ(seen, (EndFigures{2, 1, seen.frames}));
  EXPECT_GT(seen.frames, 30);
  EXPECT_EQ(SimulatorEnd(path), seen) << ReadFile(path);

  const std::string again = TempPath("two_games_again.keys");
  EXPECT_EQ(ReplayInWindow(path, 1, again), seen);
  EXPECT_EQ(ReadFile(again), ReadFile(path))
      << "the replay takes every key as the player's run did";
  EXPECT_EQ(ReplayInBrowserLoop(path, 1), seen);
}

TEST(RecordedRun, KeysDuringTheDeathSequenceAreRecordedOnlyWhereTheyCount) {
  const std::string path = TempPath("spikes.keys");
  EndFigures seen;
  {
    const auto recorder = OpenRecorder(path);
    ScriptedPlay play;
    play.Window().SetRecorder(recorder.get());
    int64_t respawn = -1;
    RunAll(
        play,
        {
            {"start-up", [] { return true; }, [&] { play.State().stage = 6; }},
            {"title", [] { return true; }, [&] { play.Press(SDLK_RETURN); }},
            {"run", [&] { return play.Playing(2); },
             [&] {
               play.Release(SDLK_RETURN);
               play.Press(SDLK_RIGHT);  // into the first spike
             }},
            {"dying",
             [&] { return play.Game().screen == Screen::kDying && play.State().deathTimer >= 20; },
             [&] {
               // A run key, a release and Enter change nothing here; taken in play they would
               // run the bear left and restart the stage with its frames counted from 0.
               play.Press(SDLK_LEFT);
               play.Release(SDLK_RIGHT);
               play.Press(SDLK_RETURN);
             }},
            {"still dying", [&] { return play.State().deathTimer >= 40; },
             [&] { play.Release(SDLK_RETURN); }},
            {"the stage again", [&] { return play.State().missCount == 1 && play.Playing(0); },
             [&] { respawn = play.Window().FramesRun(); }},
            After(play, respawn, 20,
                  [&] {
                    play.Release(SDLK_LEFT);
                    play.Press(SDLK_RIGHT);
                  }),
            {"second death",
             [&] { return play.Game().screen == Screen::kDying && play.State().deathTimer >= 10; },
             [&] {
               play.Release(SDLK_RIGHT);
               play.Press(SDLK_ESCAPE);
             }},
            {"title", [&] { return play.OnTitle(); },
             [&] {
               seen = FiguresOf(play.State());
               play.Release(SDLK_ESCAPE);
               play.Press(SDLK_ESCAPE);
             }},
        });
  }
  ASSERT_EQ(seen.stage, 6);
  ASSERT_EQ(seen.misses, 2);
  EXPECT_EQ(SimulatorEnd("--stage 6 " + path), seen) << ReadFile(path);

  // The replay takes the Esc of the death sequence at the stage start after it, as the
  // simulator does: the same keys, with that stage start's comment in the new recording.
  const std::string again = TempPath("spikes_again.keys");
  EXPECT_EQ(ReplayInWindow(path, 6, again), seen);
  EXPECT_EQ(ReplayInBrowserLoop(path, 6), seen);
  std::ifstream first(path);
  std::ifstream second(again);
  EXPECT_EQ(ParseScript(second).events, ParseScript(first).events) << ReadFile(again);
}

TEST(RecordedRun, ARunClosedMidPlayEndsOnTheTitleWithTheStageAndMissesOfTheClose) {
  // Closed with the run key held, in play on stage 1 and during a death on stage 6 (whose
  // miss counts, as after an Esc there).
  for (const int stage : {1, 6}) {
    const std::string path = TempPath("closed.keys");
    EndFigures seen;
    {
      const auto recorder = OpenRecorder(path);
      ScriptedPlay play;
      play.Window().SetRecorder(recorder.get());
      const auto closing = [&] {
        return stage == 1 ? play.Playing(20) : play.Game().screen == Screen::kDying;
      };
      RunAll(play, {{"start-up", [] { return true; },
                     [&] { play.State().stage = static_cast<int16_t>(stage); }},
                    {"title", [] { return true; }, [&] { play.Press(SDLK_RETURN); }},
                    {"run", [&] { return play.Playing(2); },
                     [&] {
                       play.Release(SDLK_RETURN);
                       play.Press(SDLK_RIGHT);
                     }},
                    {"close", closing, [&] {
                       seen = FiguresOf(play.State());
                       seen.misses += stage == 6 ? 1 : 0;
                       ScriptedPlay::Close();
                     }}});
    }
    EXPECT_EQ(SimulatorEnd("--stage " + std::to_string(stage) + " " + path), seen)
        << ReadFile(path);
  }
}

// The game's clock, counting the waits for an event with no wake-up time (a screen's).
class IdleWaitCountingClock final : public tk::Clock {
 public:
  int64_t Milliseconds() override { return time_.Milliseconds(); }
  void WaitForEvent(int64_t wakeAtMs) override {
    if (wakeAtMs < 0) ++idleWaits;
    time_.WaitForEvent(wakeAtMs);
  }
  void SleepUntil(int64_t atMs) override { time_.SleepUntil(atMs); }
  int idleWaits = 0;

 private:
  harness::VirtualClock time_{1000};
};

// A replay's Esc on the ending quits there and then: a screen that waited for an event first
// would wait for good, with no one at the keyboard and the offscreen driver sending none.
TEST(RecordedRun, AReplaysEscOnTheEndingQuitsWithoutWaitingForAnEvent) {
  IdleWaitCountingClock clock;
  tk::FormOptions options;
  options.windowed = true;
  options.present = false;
  options.clock = &clock;
  GameWindow window(options);
  KeyReplay replay({{0, kKeyEnter, true}, {0, kKeyEsc, true}});
  window.SetReplay(&replay);
  bool startedUp = false;
  // A game started past the last stage: Enter shows the ending at once.
  const harness::PumpHook hook(window.Form(), window, [&] {
    if (!std::exchange(startedUp, true)) window.Game().state.stage = kEndingStage;
  });
  window.Run();
  EXPECT_TRUE(window.Game().quit);
  EXPECT_EQ(window.Game().screen, Screen::kEnding);
  EXPECT_EQ(clock.idleWaits, 0);
}

}  // namespace
}  // namespace ursa::test
