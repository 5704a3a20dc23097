// The event pump and its waiting on the game's clock: events pending at the call are
// delivered once, a waiting pass sleeps until the wake-up time or the next event, and
// ending the program stops delivery at once.
#include <gtest/gtest.h>

#include "form_fixture.hpp"
#include "harness/pump_hook.hpp"
#include "harness/virtual_clock.hpp"
#include "recording_events.hpp"
#include "toolkit/clock.hpp"

namespace ursa::tk {
namespace {

class PumpTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->SetEvents(&events);
  }
  RecordingEvents events;
};

TEST_F(PumpTest, WaitingPassWithNothingPendingSleepsUntilTheWakeTime) {
  form->DoEvents(1020);
  EXPECT_EQ(form->Milliseconds(), 1020);
  form->DoEvents(1000);  // a wake-up time already past does not turn the clock back
  EXPECT_EQ(form->Milliseconds(), 1020);
  form->DoEvents();  // a plain pass never waits
  EXPECT_EQ(form->Milliseconds(), 1020);
  EXPECT_TRUE(events.seen.empty());
}

TEST_F(PumpTest, WaitingPassWithAPendingKeyDeliversItWithoutWaiting) {
  Inject(SDLK_ESCAPE, true);
  form->DoEvents(1020);
  EXPECT_EQ(form->Milliseconds(), 1000);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 27"}));
}

TEST_F(PumpTest, PumpingIsDeliveredAtTheStartOfEachPassBeforeWaiting) {
  int passes = 0;
  events.onPump = [&] {
    if (++passes == 3) Inject(SDLK_SPACE, true);
  };
  form->DoEvents(1020);
  form->DoEvents(1040);
  EXPECT_TRUE(events.seen.empty());
  form->DoEvents(1060);  // the key pushed by the hook wakes this pass at once
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 32"}));
  EXPECT_EQ(form->Milliseconds(), 1040);
}

TEST_F(PumpTest, EventQueuedByAHandlerWaitsForTheNextPass) {
  events.onEvent = [&](const std::string& what) {
    if (what == "Down 37") Inject(SDLK_LEFT, false);
  };
  Inject(SDLK_LEFT, true);
  form->DoEvents();
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 37"}));
  form->DoEvents();
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 37", "Up 37"}));
}

TEST_F(PumpTest, EndingTheProgramStopsDeliveryAtOnce) {
  events.onEvent = [&](const std::string& what) {
    if (what == "Down 27") form->EndProgram();
  };
  Inject(SDLK_ESCAPE, true);
  Inject(SDLK_ESCAPE, false);
  form->DoEvents();
  EXPECT_TRUE(form->Ended());
  Inject(SDLK_SPACE, true);
  form->DoEvents(5000);
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 27"}));
  EXPECT_EQ(form->Milliseconds(), 1000) << "an ended program's pump still waited";
}

TEST_F(PumpTest, RunDeliversLoadThenEventsUntilTheProgramEnds) {
  int passes = 0;
  events.onPump = [&] {
    if (++passes == 5) harness::PushClose();
  };
  events.onEvent = [&](const std::string& what) {
    if (what == "Load") Inject(SDLK_UP, true);
    if (what == "Unload") form->EndProgram();
  };
  form->Run();
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Load", "Down 38", "Unload"}));
}

// A play harness acts at every pump while its hook lives, and the game's sink hears every
// event through it; once the hook is gone the sink is the form's again.
TEST_F(PumpTest, AHookActsAtEveryPumpAndHandsEveryEventOn) {
  int passes = 0;
  {
    const harness::PumpHook hook(*form, events, [&] {
      if (++passes == 2) Inject(SDLK_UP, true);
    });
    form->DoEvents();
    form->DoEvents();
    EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 38"}));
  }
  Inject(SDLK_UP, false);
  form->DoEvents();
  EXPECT_EQ(passes, 2) << "the hook acted after it was gone";
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 38", "Up 38"}));
}

TEST(SystemClockTest, WaitsUntilTheWakeTimeWhenNothingHappens) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
  SystemClock clock;
  const int64_t wake = clock.Milliseconds() + 30;
  clock.WaitForEvent(wake);
  EXPECT_GE(clock.Milliseconds(), wake);
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

TEST(VirtualClockTest, MovesOnlyWhenToldOrWaiting) {
  harness::VirtualClock clock(50);
  EXPECT_EQ(clock.Milliseconds(), 50);
  clock.Advance(20);
  EXPECT_EQ(clock.Milliseconds(), 70);
  clock.WaitForEvent(90);
  EXPECT_EQ(clock.Milliseconds(), 90);
  clock.WaitForEvent(-1);  // idle: one millisecond goes by
  EXPECT_EQ(clock.Milliseconds(), 91);
}

}  // namespace
}  // namespace ursa::tk
