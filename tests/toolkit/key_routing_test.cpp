// Keys from SDL to the game: the six game keys and their codes, auto-repeat as repeated
// KeyDown, F11 and Alt+Enter toggling the window mode without reaching the game, P and Pause,
// rebound keys, and the window's focus.
#include <gtest/gtest.h>

#include "form_fixture.hpp"
#include "recording_events.hpp"
#include "toolkit/key_bindings.hpp"
#include "toolkit/key_router.hpp"

namespace ursa::tk {
namespace {

using Action = KeyRoute::Action;

SDL_KeyboardEvent Key(SDL_Keycode sym, bool down, bool repeat = false, Uint16 mod = KMOD_NONE) {
  SDL_KeyboardEvent event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.repeat = repeat ? 1 : 0;
  event.keysym.sym = sym;
  event.keysym.mod = mod;
  return event;
}

KeyRouter BoundRouter() {
  KeyRouter router;
  router.SetBindings(kTestBindings);
  return router;
}

TEST(KeyRouter, GameKeysCarryTheirCodesOthersAreDropped) {
  const struct {
    SDL_Keycode sym;
    int code;  // 0: not delivered
  } cases[] = {{SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32},
               {SDLK_LEFT, 37},   {SDLK_UP, 38},       {SDLK_RIGHT, 39},  {SDLK_DOWN, 0},
               {SDLK_a, 0},       {SDLK_LALT, 0},      {SDLK_KP_4, 0}};
  for (const auto& c : cases) {
    KeyRouter router = BoundRouter();
    const KeyRoute down = router.Route(Key(c.sym, true));
    const KeyRoute up = router.Route(Key(c.sym, false));
    if (c.code == 0) {
      EXPECT_EQ(down.action, Action::kNone) << SDL_GetKeyName(c.sym);
      EXPECT_EQ(up.action, Action::kNone) << SDL_GetKeyName(c.sym);
      continue;
    }
    EXPECT_EQ(down.action, Action::kKeyDown) << SDL_GetKeyName(c.sym);
    EXPECT_EQ(down.keyCode, c.code);
    EXPECT_EQ(up.action, Action::kKeyUp);
    EXPECT_EQ(up.keyCode, c.code);
  }
}

TEST(KeyRouter, HeldKeyRepeatsAsKeyDown) {
  KeyRouter router = BoundRouter();
  for (int i = 0; i < 3; ++i) {
    const KeyRoute r = router.Route(Key(SDLK_SPACE, true, i > 0));
    EXPECT_EQ(r.action, Action::kKeyDown);
    EXPECT_EQ(r.keyCode, kKeySpace);
  }
}

TEST(KeyRouter, AltEnterTogglesOnceAndNeverReachesTheGame) {
  KeyRouter router = BoundRouter();
  EXPECT_EQ(router.Route(Key(SDLK_RETURN, true, false, KMOD_LALT)).action,
            Action::kToggleFullscreen);
  EXPECT_EQ(router.Route(Key(SDLK_RETURN, true, true, KMOD_LALT)).action, Action::kNone);
  // Alt let go first: the held Enter's repeats and release still belong to the toggle.
  EXPECT_EQ(router.Route(Key(SDLK_RETURN, true, true)).action, Action::kNone);
  EXPECT_EQ(router.Route(Key(SDLK_RETURN, false)).action, Action::kNone);
  // The next plain Enter is the game's again.
  const KeyRoute enter = router.Route(Key(SDLK_RETURN, true));
  EXPECT_EQ(enter.action, Action::kKeyDown);
  EXPECT_EQ(enter.keyCode, kKeyEnter);
  EXPECT_EQ(router.Route(Key(SDLK_KP_ENTER, true, false, KMOD_RALT)).action,
            Action::kToggleFullscreen);
}

TEST(KeyRouter, F11TogglesOnPressOnly) {
  KeyRouter router = BoundRouter();
  EXPECT_EQ(router.Route(Key(SDLK_F11, true)).action, Action::kToggleFullscreen);
  EXPECT_EQ(router.Route(Key(SDLK_F11, true, true)).action, Action::kNone);
  EXPECT_EQ(router.Route(Key(SDLK_F11, false)).action, Action::kNone);
}

TEST(KeyRouter, PAndPausePauseOnPressOnlyAndNeverReachTheGame) {
  KeyRouter router = BoundRouter();
  for (const SDL_Keycode key : {SDLK_p, SDLK_PAUSE}) {
    EXPECT_EQ(router.Route(Key(key, true)).action, Action::kPause);
    EXPECT_EQ(router.Route(Key(key, true, true)).action, Action::kNone);
    EXPECT_EQ(router.Route(Key(key, false)).action, Action::kNone);
  }
}

KeyBindings Rebound() {
  KeyBindings bindings = kTestBindings;
  bindings[0].keys = {SDLK_a, SDLK_KP_4};     // Left
  bindings[4].keys = {SDLK_e, SDLK_UNKNOWN};  // Enter
  bindings[3].keys = {SDLK_p, SDLK_F12};      // Space: reserved keys, left out
  return bindings;
}

TEST(KeyRouter, BoundKeysCarryTheirGameKeyAndTheOldOnesNothing) {
  KeyRouter router = BoundRouter();
  router.SetBindings(Rebound());
  const struct {
    SDL_Keycode sym;
    int code;  // 0: not delivered
  } cases[] = {{SDLK_a, kKeyLeft},      {SDLK_KP_4, kKeyLeft}, {SDLK_LEFT, 0},
               {SDLK_e, kKeyEnter},     {SDLK_RETURN, 0},      {SDLK_KP_ENTER, 0},
               {SDLK_RIGHT, kKeyRight}, {SDLK_SPACE, 0},       {SDLK_F12, 0}};
  for (const auto& c : cases) {
    const KeyRoute down = router.Route(Key(c.sym, true));
    const KeyRoute up = router.Route(Key(c.sym, false));
    EXPECT_EQ(down.action, c.code == 0 ? Action::kNone : Action::kKeyDown) << SDL_GetKeyName(c.sym);
    EXPECT_EQ(up.action, c.code == 0 ? Action::kNone : Action::kKeyUp) << SDL_GetKeyName(c.sym);
    EXPECT_EQ(down.keyCode, c.code);
  }
  // The reserved keys keep their own meaning whatever the bindings say.
  EXPECT_EQ(router.Route(Key(SDLK_p, true)).action, Action::kPause);
  // Alt with the Enter key toggles the window mode even when Enter is bound elsewhere.
  EXPECT_EQ(router.Route(Key(SDLK_RETURN, true, false, KMOD_LALT)).action,
            Action::kToggleFullscreen);
}

TEST(KeyRouter, TwoKeysOfOneGameKeyHoldItUntilTheLastIsReleased) {
  KeyRouter router = BoundRouter();
  router.SetBindings(Rebound());
  EXPECT_EQ(router.Route(Key(SDLK_a, true)).action, Action::kKeyDown);
  EXPECT_EQ(router.Route(Key(SDLK_KP_4, true)).action, Action::kKeyDown);
  EXPECT_EQ(router.Route(Key(SDLK_a, false)).action, Action::kNone);
  EXPECT_EQ(router.Route(Key(SDLK_a, true)).action, Action::kKeyDown);
  EXPECT_EQ(router.Route(Key(SDLK_KP_4, false)).action, Action::kNone);
  const KeyRoute up = router.Route(Key(SDLK_a, false));
  EXPECT_EQ(up.action, Action::kKeyUp);
  EXPECT_EQ(up.keyCode, kKeyLeft);
  // A release never pressed (down before the window had the focus) still reaches the game.
  EXPECT_EQ(router.Route(Key(SDLK_KP_4, false)).action, Action::kKeyUp);
}

// The same, through real SDL events in the window's queue and the event pump.
class FormKeysTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->SetEvents(&events);
  }
  RecordingEvents events;
};

TEST_F(FormKeysTest, PumpDeliversKeysInOrderWithRepeats) {
  Inject(SDLK_RIGHT, true);
  Inject(SDLK_RIGHT, true, true);
  Inject(SDLK_RIGHT, true, true);
  Inject(SDLK_a, true);
  Inject(SDLK_UP, true);
  Inject(SDLK_RIGHT, false);
  form->DoEvents();
  EXPECT_EQ(events.seen,
            (std::vector<std::string>{"Down 39", "Down 39", "Down 39", "Down 38", "Up 39"}));
}

TEST_F(FormKeysTest, AltEnterTogglesTheWindowModeAndIsNotEnter) {
  form->SetDisplayMode(640, 480, 16);
  ASSERT_FALSE(form->Fullscreen());
  Inject(SDLK_RETURN, true, false, KMOD_LALT);
  Inject(SDLK_RETURN, false);
  form->DoEvents();
  EXPECT_TRUE(events.seen.empty());
  EXPECT_TRUE(form->Fullscreen());
  Inject(SDLK_F11, true);
  Inject(SDLK_F11, false);
  Inject(SDLK_KP_ENTER, true);
  form->DoEvents();
  EXPECT_FALSE(form->Fullscreen());
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Down 13"}));
}

TEST_F(FormKeysTest, PauseKeysAndFocusReachTheirOwnEvents) {
  struct Sink : RecordingEvents {
    void PauseKey() override { ++pauses; }
    void FocusChanged(bool focused) override { focus.push_back(focused); }
    int pauses = 0;
    std::vector<bool> focus;
  } sink;
  form->SetEvents(&sink);
  Inject(SDLK_p, true);
  Inject(SDLK_p, true, true);
  Inject(SDLK_p, false);
  Inject(SDLK_PAUSE, true);
  harness::PushWindowEvent(*form, SDL_WINDOWEVENT_FOCUS_LOST);
  harness::PushWindowEvent(*form, SDL_WINDOWEVENT_FOCUS_GAINED);
  harness::PushWindowEvent(*form, SDL_WINDOWEVENT_MINIMIZED);
  harness::PushWindowEvent(*form, SDL_WINDOWEVENT_RESTORED);
  form->DoEvents();
  EXPECT_EQ(sink.pauses, 2);
  EXPECT_EQ(sink.focus, (std::vector<bool>{false, true, false}));
  EXPECT_TRUE(sink.seen.empty()) << "no game key";
}

TEST_F(FormKeysTest, ClosingTheWindowDeliversQueryUnload) {
  harness::PushClose();
  form->DoEvents();
  EXPECT_EQ(events.seen, (std::vector<std::string>{"Unload"}));
}

}  // namespace
}  // namespace ursa::tk
