// The window's start and end as the desktop sees them: no display is an error even where SDL
// would fall back to showing nothing, a hang-up quits like a closed window, and the window's
// size leaves room for the frame the window manager draws.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "form_fixture.hpp"
#include "recording_events.hpp"
#include "toolkit/quit_queued.hpp"

namespace ursa::tk {
namespace {

// Sets or unsets environment variables for one test and puts them back after it.
class ScopedEnvironment {
 public:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        setenv(it->first.c_str(), it->second->c_str(), 1);
      } else {
        unsetenv(it->first.c_str());
      }
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(DisplayWindowTest, NoDesktopIsNoDisplayUnlessAHeadlessDriverIsAskedFor) {
  ScopedEnvironment environment;
  environment.Set("DISPLAY", nullptr);
  environment.Set("WAYLAND_DISPLAY", nullptr);
  environment.Set("SDL_VIDEODRIVER", nullptr);
  try {
    Form1 form;
    FAIL() << "the window opened on " << SDL_GetCurrentVideoDriver() << ", where nobody sees it";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("no display"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("set DISPLAY"), std::string::npos) << e.what();
  }
  // Asked for by name, alone or in a list, the offscreen driver opens the window.
  for (const char* asked : {"offscreen", "x11,Offscreen"}) {
    environment.Set("SDL_VIDEODRIVER", asked);
    EXPECT_NO_THROW(Form1 form) << asked;
  }
}

bool HangUpIs(void (*handler)(int)) {
  struct sigaction now {};
  sigaction(SIGHUP, nullptr, &now);
  return now.sa_handler == handler;
}

TEST_F(FormTest, AHangUpQuitsAsClosingTheWindowDoes) {
  RecordingEvents events;
  form->SetEvents(&events);
  ASSERT_EQ(raise(SIGHUP), 0);
  form->DoEvents();
  EXPECT_EQ(events.seen, std::vector<std::string>{"Unload"});
  // Without the window, a hang-up is what it was before.
  form.reset();
  EXPECT_TRUE(HangUpIs(SIG_DFL));
}

void OwnHangUp(int /*signal*/) {}

TEST(DisplayWindowTest, AHangUpTheProgramSetsItselfStaysItsOwn) {
  signal(SIGHUP, SIG_IGN);  // as under nohup
  {
    DisplayWindow window("Ursa");
    EXPECT_TRUE(HangUpIs(SIG_IGN));
  }
  EXPECT_TRUE(HangUpIs(SIG_IGN));
  signal(SIGHUP, SIG_DFL);
  // Set while the window is open, the program's own handler outlives the window.
  {
    DisplayWindow window("Ursa");
    signal(SIGHUP, OwnHangUp);
  }
  EXPECT_TRUE(HangUpIs(OwnHangUp));
  signal(SIGHUP, SIG_DFL);
}

TEST(DisplayWindowTest, ASigtermBlockedByWhatStartedTheGameStillQuits) {
  sigset_t term;
  sigemptyset(&term);
  sigaddset(&term, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &term, nullptr);  // as a mask inherited from the parent
  DisplayWindow window("Ursa");
  ASSERT_EQ(raise(SIGTERM), 0);
  EXPECT_TRUE(QuitQueued());
  SDL_FlushEvent(SDL_QUIT);
}

TEST(WindowScaleTest, TheWindowAndItsFrameFitTheUsableArea) {
  struct Case {
    int width;
    int height;
    WindowFrame frame;
    int scale;
  };
  const Case cases[] = {
      // A usable height that is a multiple of 480 leaves no room for a title bar at 2.
      {1280, 960, {23, 5, 5, 5}, 1},
      {2560, 1440, {30, 4, 4, 4}, 2},
      {1920, 1050, {23, 5, 5, 5}, 2},
      // Side edges count too: 1280 wide holds 1280 only without them.
      {1280, 1200, {23, 5, 5, 5}, 1},
      // Before the window manager reports the frame, a common one is assumed.
      {1280, 960, kAssumedFrame, 1},
      {1920, 1080, kAssumedFrame, 2},
      // A screen smaller than the game still gets the game at 640 x 480.
      {640, 480, {23, 5, 5, 5}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowScale(c.width, c.height, c.frame), c.scale)
        << c.width << " x " << c.height << " with a title bar of " << c.frame.top;
  }
}

}  // namespace
}  // namespace ursa::tk
