// The player's input through the real window: a virtual pad plugged in, played and pulled out
// mid-run, the pad and the keyboard together, the pause (by focus, key and pad) with its banner,
// the death sequence paused, a new game from the ending, and rebound keys.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "game/player_motion.hpp"
#include "harness/virtual_pad.hpp"
#include "tests/e2e/game_driver.hpp"

namespace ursa::test {
namespace {

using harness::VirtualPad;

constexpr tk::Rect kHudBand{0, 0, 640, 50};
constexpr tk::Rect kBannerArea{250, 0, 140, 50};  // where "PAUSE" is printed, centred
constexpr tk::Rect kPicture{0, 50, 640, 430};     // the picture box with the 3D view

int DifferentPixels(const tk::RgbImage& a, const tk::RgbImage& b, tk::Rect area) {
  int wrong = 0;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      if (a.At(x, y) != b.At(x, y)) ++wrong;
    }
  }
  return wrong;
}

// A step that is ready after `pumps` more event pumps: time passes in the game unless paused.
GameDriver::Step AfterPumps(const char* name, int pumps, std::function<void()> act) {
  return {name, [left = pumps]() mutable { return --left <= 0; }, std::move(act)};
}

// Stage 1 as a pad player plays it: run right, jump the gap, land, and the pad is pulled out
// while the stick still leans right.
TEST(PadE2E, APadStartsAStageRunsJumpsAndIsUnpluggedMidRun) {
  GameDriver d;
  std::unique_ptr<VirtualPad> pad;
  int yBeforeJump = 0;
  int jumpFrame = 0;
  int unplugFrame = 0;
  int xAtUnplug = 0;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { pad = std::make_unique<VirtualPad>(); }},
      {"plugged in", [] { return true; },
       [&] { pad->SetButton(SDL_CONTROLLER_BUTTON_START, true); }},
      {"Start is Enter on the title", [&] { return d.Playing(5); },
       [&] {
         EXPECT_EQ(d.State().stage, 1);
         EXPECT_FALSE(d.Window().Paused());
         pad->SetButton(SDL_CONTROLLER_BUTTON_START, false);
         pad->SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
       }},
      {"on the floor", [&] { return d.Playing(12) && d.State().onGround == 1; },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         EXPECT_GT(d.State().playerX, 0);
         yBeforeJump = d.State().playerY;
         jumpFrame = d.State().frameCount;
         pad->SetButton(SDL_CONTROLLER_BUTTON_A, true);
       }},
      {"in the air", [&] { return d.Playing(jumpFrame + 6); },
       [&] {
         EXPECT_EQ(d.State().jumpKey, kJumpUsed);
         EXPECT_GT(d.State().playerY, yBeforeJump);
         pad->SetButton(SDL_CONTROLLER_BUTTON_A, false);
       }},
      {"landed", [&] { return d.Playing(jumpFrame + 10) && d.State().onGround == 1; },
       [&] {
         EXPECT_EQ(d.State().missCount, 0);
         EXPECT_EQ(d.State().jumpKey, kJumpReleased);
         EXPECT_EQ(d.State().moveInput, 1);
         unplugFrame = d.State().frameCount;
         xAtUnplug = d.State().playerX;
         pad->Unplug();
       }},
      {"released", [&] { return d.Playing(unplugFrame + 25); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 0) << "the unplugged pad still holds Right";
         EXPECT_EQ(d.State().velX, 0) << "the bear has come to a stop";
         EXPECT_GT(d.State().playerX, xAtUnplug);
         pad = std::make_unique<VirtualPad>();  // plugged in again during play
       }},
      {"plugged in again", [] { return true; },
       [&] { pad->SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -30000); }},
      {"runs left", [&] { return d.Playing(unplugFrame + 30); },
       [&] {
         EXPECT_EQ(d.State().moveInput, -1);
         pad->SetButton(SDL_CONTROLLER_BUTTON_BACK, true);
       }},
      {"Back is Esc", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
  EXPECT_TRUE(d.Form().Ended());
}

TEST(PadE2E, KeyboardAndPadHoldingAKeyTogetherLeaveItDownUntilBothLetGo) {
  GameDriver d;
  std::unique_ptr<VirtualPad> pad;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         pad = std::make_unique<VirtualPad>();
         d.Press(SDLK_RETURN);
       }},
      {"both hold Right", [&] { return d.Playing(5); },
       [&] {
         d.Press(SDLK_RIGHT);
         pad->SetButton(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
       }},
      {"the pad lets go", [&] { return d.Playing(10); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         pad->SetButton(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
       }},
      {"the keyboard still holds it", [&] { return d.Playing(15); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         pad->SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
         d.Release(SDLK_RIGHT);
       }},
      {"the stick still holds it", [&] { return d.Playing(20); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         pad->SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 0);
       }},
      {"nothing holds it", [&] { return d.Playing(25); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 0);
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
}

TEST(PauseE2E, LosingTheFocusPausesUntilPNotUntilTheFocusReturns) {
  GameDriver d;
  int frames = 0;
  int64_t framesRun = 0;
  tk::RgbImage before;
  tk::RgbImage paused;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"running", [&] { return d.Playing(10); }, [&] { d.Press(SDLK_RIGHT); }},
      {"focus lost", [&] { return d.Playing(30); },
       [&] {
         before = d.Form().Screenshot();
         harness::PushWindowEvent(d.Form(), SDL_WINDOWEVENT_FOCUS_LOST);
       }},
      {"paused", [] { return true; },
       [&] {
         EXPECT_TRUE(d.Window().Paused());
         frames = d.State().frameCount;
         framesRun = d.Window().FramesRun();
       }},
      AfterPumps("focus back", 30,
                 [&] {
                   EXPECT_EQ(d.State().frameCount, frames);
                   EXPECT_EQ(d.Window().FramesRun(), framesRun);
                   paused = d.Form().Screenshot();
                   harness::PushWindowEvent(d.Form(), SDL_WINDOWEVENT_FOCUS_GAINED);
                 }),
      AfterPumps("still paused", 30,
                 [&] {
                   EXPECT_TRUE(d.Window().Paused());
                   EXPECT_EQ(d.State().frameCount, frames);
                   d.Press(SDLK_p);
                 }),
      {"running again", [&] { return d.Playing(frames + 10); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1) << "Right, held since before the pause, still runs";
         EXPECT_EQ(DifferentPixels(d.Form().Screenshot(), before, kHudBand), 0)
             << "the HUD is back as it was";
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
  // While paused the picture stayed and "PAUSE" stood in the HUD band; the HUD came back.
  EXPECT_EQ(DifferentPixels(before, paused, kPicture), 0);
  EXPECT_GT(CountNear(paused, kBannerArea, tk::kWhite, 0), 50);
  EXPECT_EQ(CountNear(before, kBannerArea, tk::kWhite, 0), 0);
  EXPECT_EQ(DifferentPixels(before, paused, {0, 0, 250, 50}), 0) << "the stage text stays";
  EXPECT_EQ(DifferentPixels(before, paused, {390, 0, 250, 50}), 0) << "the miss text stays";
}

TEST(PauseE2E, PAndPausePauseAndResumeAndPadStartDoesInPlay) {
  GameDriver d;
  std::unique_ptr<VirtualPad> pad;
  int frames = 0;
  const auto stopped = [&] {
    EXPECT_TRUE(d.Window().Paused());
    EXPECT_EQ(d.State().frameCount, frames);
  };
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         pad = std::make_unique<VirtualPad>();
         d.Press(SDLK_RETURN);
       }},
      {"P", [&] { return d.Playing(10); },
       [&] {
         d.Press(SDLK_p);
         d.Release(SDLK_p);
         frames = d.State().frameCount;
       }},
      AfterPumps("Pause resumes", 20,
                 [&] {
                   stopped();
                   d.Press(SDLK_PAUSE);
                 }),
      {"Pause pauses", [&] { return d.Playing(frames + 5); },
       [&] {
         d.Press(SDLK_PAUSE);
         frames = d.State().frameCount;
       }},
      AfterPumps("Start resumes", 20,
                 [&] {
                   stopped();
                   pad->SetButton(SDL_CONTROLLER_BUTTON_START, true);
                 }),
      {"Start pauses", [&] { return d.Playing(frames + 5); },
       [&] {
         EXPECT_FALSE(d.Window().Paused());
         EXPECT_EQ(d.State().stage, 1) << "Start in play is no Enter";
         pad->SetButton(SDL_CONTROLLER_BUTTON_START, false);
       }},
      AfterPumps("Start down", 2, [&] { pad->SetButton(SDL_CONTROLLER_BUTTON_START, true); }),
      AfterPumps("keys while paused", 2,
                 [&] {
                   frames = d.State().frameCount;
                   stopped();
                   // Held back from the game while paused; Right still held when play goes
                   // on is down for the game then.
                   d.Press(SDLK_RIGHT);
                   d.Press(SDLK_SPACE);
                   d.Press(SDLK_RETURN);
                 }),
      AfterPumps("nothing reached the game", 10,
                 [&] {
                   stopped();
                   EXPECT_EQ(d.State().moveInput, 0);
                   EXPECT_EQ(d.State().jumpKey, kJumpReleased);
                   d.Press(SDLK_p);
                 }),
      {"going on", [&] { return d.Playing(frames + 5); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         EXPECT_EQ(d.State().jumpKey, kJumpReleased);
         EXPECT_GT(d.State().playerX, 0);
         d.Press(SDLK_p);
       }},
      AfterPumps("Esc while paused", 2, [&] { d.Press(SDLK_ESCAPE); }),
      {"Esc ends the pause and leaves play", [&] { return d.OnTitle(); },
       [&] {
         EXPECT_FALSE(d.Window().Paused());
         d.Press(SDLK_p);  // nothing to pause on the title
       }},
      AfterPumps("title", 3,
                 [&] {
                   EXPECT_FALSE(d.Window().Paused());
                   d.Press(SDLK_ESCAPE);
                 }),
  });
  EXPECT_TRUE(d.Form().Ended());
}

TEST(PauseE2E, FocusLossCanBeLeftUnpaused) {
  GameDriver d;
  InputOptions options;
  options.pauseOnFocusLoss = false;
  EXPECT_TRUE(d.Window().SetInputOptions(options).empty());
  int frames = 0;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; }, [&] { d.Press(SDLK_RETURN); }},
      {"focus lost", [&] { return d.Playing(10); },
       [&] {
         frames = d.State().frameCount;
         harness::PushWindowEvent(d.Form(), SDL_WINDOWEVENT_FOCUS_LOST);
         harness::PushWindowEvent(d.Form(), SDL_WINDOWEVENT_MINIMIZED);
       }},
      {"play goes on", [&] { return d.Playing(frames + 20); },
       [&] {
         EXPECT_FALSE(d.Window().Paused());
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
}

TEST(PauseE2E, MinimisingPausesTheDeathSequenceWhichResumesAtItsPace) {
  GameDriver d;
  int deathTimer = 0;
  int64_t resumedAt = 0;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         d.State().stage = 6;
         d.Press(SDLK_RETURN);
       }},
      {"walk into the spike", [&] { return d.Playing(3); }, [&] { d.Press(SDLK_RIGHT); }},
      {"dying", [&] { return d.Game().screen == Screen::kDying && d.State().deathTimer >= 50; },
       [&] { harness::PushWindowEvent(d.Form(), SDL_WINDOWEVENT_MINIMIZED); }},
      {"paused", [] { return true; },
       [&] {
         EXPECT_TRUE(d.Window().Paused());
         deathTimer = d.State().deathTimer;
       }},
      AfterPumps("resume", 40,
                 [&] {
                   EXPECT_EQ(d.State().deathTimer, deathTimer);
                   EXPECT_EQ(d.Game().screen, Screen::kDying);
                   EXPECT_EQ(d.State().missCount, 0);
                   d.Press(SDLK_p);
                   resumedAt = d.Now();
                 }),
      {"restarted", [&] { return d.State().missCount == 1 && d.Playing(0); },
       [&] {
         // The pictures left were shown at 60 a second from where the sequence stood,
         // not rushed to catch up with the time spent paused.
         const int intervalsLeft = 200 - deathTimer - 1;
         EXPECT_GE(d.Now() - resumedAt, intervalsLeft * 1000 / 60);
         EXPECT_EQ(d.State().stage, 6);
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
}

TEST(EndingE2E, EnterOnTheEndingShowsTheTitleWithANewGameReady) {
  GameDriver d;
  tk::RgbImage hud;
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         d.State().stage = 16;  // the ending at once
         d.State().missCount = 4;
         d.Press(SDLK_RETURN);
       }},
      {"ending", [&] { return d.Game().screen == Screen::kEnding; },
       [&] {
         d.State().frameCount = 12345;  // as after a long game
         d.Press(SDLK_RETURN);
       }},
      {"title", [&] { return d.OnTitle(); },
       [&] {
         EXPECT_EQ(d.State().stage, 1);
         EXPECT_EQ(d.State().missCount, 0);
         EXPECT_EQ(d.State().frameCount, 0);
         EXPECT_FALSE(d.Form().Picture1().Visible());
         ExpectScreenPicture(d.Form().Screenshot(), d.Form().Image1(), 0);
         d.Press(SDLK_RETURN);
       }},
      {"stage 1", [&] { return d.Playing(5); },
       [&] {
         EXPECT_EQ(d.State().stage, 1);
         EXPECT_EQ(d.State().missCount, 0);
         d.Press(SDLK_ESCAPE);
       }},
      {"title again", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
  EXPECT_TRUE(d.Form().Ended());
}

TEST(KeyBindingsE2E, ReboundKeysDriveTheGameAndTheOldOnesNoLonger) {
  GameDriver d;
  InputOptions options;
  options.bindings[1] = {"D", "Keypad 6"};  // Right
  options.bindings[4] = {"Nokey", "Keypad Enter"};
  EXPECT_EQ(d.Window().SetInputOptions(options), (std::vector<std::string>{"Nokey"}));
  d.Run({
      GameDriver::StartUp(),
      {"title", [] { return true; },
       [&] {
         d.Press(SDLK_RETURN);  // still Enter: the unknown name kept the default
       }},
      {"old Right", [&] { return d.Playing(5); }, [&] { d.Press(SDLK_RIGHT); }},
      {"D", [&] { return d.Playing(10); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 0);
         d.Press(SDLK_d);
         d.Press(SDLK_KP_6);
       }},
      {"both held, D let go", [&] { return d.Playing(15); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         d.Release(SDLK_d);
       }},
      {"keypad 6 let go", [&] { return d.Playing(20); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 1);
         d.Release(SDLK_KP_6);
       }},
      {"stopped", [&] { return d.Playing(25); },
       [&] {
         EXPECT_EQ(d.State().moveInput, 0);
         d.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return d.OnTitle(); }, [&] { d.Press(SDLK_ESCAPE); }},
  });
}

}  // namespace
}  // namespace ursa::test
