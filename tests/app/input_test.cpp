// The player's input pieces without a window: keys joined across the keyboard and the pads,
// the pad's buttons and stick as game keys, the play clock's pauses and key bindings by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/input_options.hpp"
#include "app/key_sources.hpp"
#include "app/pad_keys.hpp"
#include "app/play_clock.hpp"
#include "game/game_keys.hpp"

namespace ursa {
namespace {

// The keys as the game would see them, "Down Right" or "Up Left", in order.
struct SeenKeys {
  std::vector<std::string> seen;
  // Everything the controls' moves have made of the game's keys so far.
  std::vector<std::string>& Seen(KeySources& keys) {
    for (const KeyPress key : keys.TakeChanges()) {
      seen.push_back(std::string(key.down ? "Down " : "Up ") + std::string(KeyName(key.keyCode)));
    }
    return seen;
  }
};

constexpr KeySource kKeyboard{kKeyboardDevice, 0};
constexpr KeySource kPadStick{3, 1000};
constexpr KeySource kPadDpad{3, SDL_CONTROLLER_BUTTON_DPAD_RIGHT};

TEST(KeySources, AKeyIsUpOnlyWhenNoControlHoldsIt) {
  SeenKeys game;
  KeySources keys;
  keys.Press(kKeyboard, kKeyRight);
  keys.Press(kPadStick, kKeyRight);
  keys.Release(kPadStick, kKeyRight);
  EXPECT_TRUE(keys.Held(kKeyRight));
  keys.Release(kKeyboard, kKeyRight);
  EXPECT_FALSE(keys.Held(kKeyRight));
  // The other order: the pad is the last to let go.
  keys.Press(kPadStick, kKeyRight);
  keys.Press(kKeyboard, kKeyRight);
  keys.Release(kKeyboard, kKeyRight);
  keys.Release(kPadStick, kKeyRight);
  EXPECT_EQ(game.Seen(keys), (std::vector<std::string>{"Down Right", "Down Right", "Up Right",
                                                       "Down Right", "Down Right", "Up Right"}));
}

TEST(KeySources, AReleaseNeverPressedReachesTheGameOnlyWhenNothingHoldsTheKey) {
  SeenKeys game;
  KeySources keys;
  keys.Release(kKeyboard, kKeyLeft);  // held since before the window had the focus
  keys.Press(kPadStick, kKeyLeft);
  keys.Release(kKeyboard, kKeyLeft);
  EXPECT_EQ(game.Seen(keys), (std::vector<std::string>{"Up Left", "Down Left"}));
}

TEST(KeySources, ARemovedDeviceLetsGoOfItsKeysOnce) {
  SeenKeys game;
  KeySources keys;
  keys.Press(kPadStick, kKeyRight);
  keys.Press(kPadDpad, kKeyRight);
  keys.Press({3, SDL_CONTROLLER_BUTTON_A}, kKeySpace);
  keys.Press(kKeyboard, kKeySpace);
  keys.Press({4, SDL_CONTROLLER_BUTTON_DPAD_LEFT}, kKeyLeft);
  game.Seen(keys).clear();
  keys.ReleaseDevice(3);
  // Right once although two controls of the pad held it; Space stays down on the keyboard;
  // the other pad keeps Left.
  EXPECT_EQ(game.Seen(keys), (std::vector<std::string>{"Up Right"}));
  EXPECT_TRUE(keys.Held(kKeySpace));
  EXPECT_TRUE(keys.Held(kKeyLeft));
}

class PadKeysTest : public ::testing::Test {
 protected:
  PadKeysTest() { pad.SetDeadZone(8000); }

  PadKeys::Start Button(SDL_GameControllerButton button, bool down, int32_t which = 3) {
    tk::PadEvent event{tk::PadEvent::Kind::kButton, which};
    event.button = button;
    event.down = down;
    return pad.Handle(event);
  }
  void Stick(int value, SDL_GameControllerAxis axis = SDL_CONTROLLER_AXIS_LEFTX) {
    tk::PadEvent event{tk::PadEvent::Kind::kAxis, 3};
    event.axis = axis;
    event.value = value;
    pad.Handle(event);
  }
  void Unplug(int32_t which = 3) { pad.Handle({tk::PadEvent::Kind::kDisconnected, which}); }

  SeenKeys game;
  KeySources keys;
  PadKeys pad{keys};
};

TEST_F(PadKeysTest, TheStickCountsPastItsDeadZoneOnly) {
  Stick(8000);
  Stick(-8000);
  Stick(SDL_JOYSTICK_AXIS_MAX, SDL_CONTROLLER_AXIS_LEFTY);  // down: no game key
  Stick(SDL_JOYSTICK_AXIS_MAX, SDL_CONTROLLER_AXIS_RIGHTX);
  EXPECT_TRUE(game.Seen(keys).empty());
  Stick(8001);
  Stick(20000);   // further the same way: nothing new
  Stick(-20000);  // flicked over: Right goes up before Left goes down
  Stick(-32768);
  Stick(0);
  EXPECT_EQ(game.Seen(keys),
            (std::vector<std::string>{"Down Right", "Up Right", "Down Left", "Up Left"}));
}

TEST_F(PadKeysTest, TheStickAndTheDpadDoNotUndoEachOther) {
  Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  Stick(30000);
  Stick(0);
  EXPECT_TRUE(keys.Held(kKeyRight)) << "the D-pad still holds Right";
  Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  EXPECT_FALSE(keys.Held(kKeyRight));
}

TEST_F(PadKeysTest, UnpluggingLetsGoOfTheDirectionHeld) {
  Stick(-30000);
  Button(SDL_CONTROLLER_BUTTON_A, true);
  Unplug();
  EXPECT_FALSE(keys.Held(kKeyLeft));
  EXPECT_FALSE(keys.Held(kKeySpace));
  EXPECT_EQ(game.Seen(keys),
            (std::vector<std::string>{"Down Left", "Down Space", "Up Left", "Up Space"}));
  // Plugged in again, its stick starts from the centre.
  Stick(-30000);
  EXPECT_EQ(game.Seen(keys).back(), "Down Left");
}

TEST_F(PadKeysTest, DeadZonesOutOfRangeAreClamped) {
  pad.SetDeadZone(-5);  // every lean counts
  Stick(1);
  EXPECT_TRUE(keys.Held(kKeyRight));
  Stick(0);
  pad.SetDeadZone(1000000);  // the stick is off
  Stick(SDL_JOYSTICK_AXIS_MAX);
  Stick(SDL_JOYSTICK_AXIS_MIN);
  EXPECT_FALSE(keys.Held(kKeyLeft));
  EXPECT_FALSE(keys.Held(kKeyRight));
}

TEST(PlayClock, StandsStillWhileStoppedAndCarriesOnWhereItStood) {
  PlayClock clock;
  EXPECT_EQ(clock.Now(1000), 1000);
  clock.Stop(1000);
  clock.Stop(1500);  // stopping again keeps the first stop
  EXPECT_EQ(clock.Now(4000), 1000);
  clock.Start(5000);
  EXPECT_EQ(clock.Now(5000), 1000);
  EXPECT_EQ(clock.Now(5020), 1020);
  EXPECT_EQ(clock.WindowTime(1040), 5040);
  clock.Start(9000);  // not stopped: nothing
  EXPECT_EQ(clock.Now(9000), 5000);
  clock.Stop(9000);
  clock.Start(9100);
  EXPECT_EQ(clock.Now(9100), 5000);
}

TEST(KeyBindings, NamesInAnyCaseAndTheGamesOwnNames) {
  InputOptions options;
  options.bindings[0] = {"a", "Keypad 4"};  // Left
  options.bindings[1] = {"D", "keypad 6"};  // Right
  options.bindings[4] = {"Enter", ""};      // Enter: the keypad's goes
  options.bindings[5] = {"esc", "Q"};       // Esc
  const ResolvedBindings resolved = ResolveBindings(options);
  EXPECT_TRUE(resolved.rejected.empty());
  EXPECT_EQ(tk::BoundKeyCode(SDLK_a, resolved.keys), kKeyLeft);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_KP_4, resolved.keys), kKeyLeft);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_d, resolved.keys), kKeyRight);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_KP_6, resolved.keys), kKeyRight);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_RETURN, resolved.keys), kKeyEnter);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_KP_ENTER, resolved.keys), std::nullopt);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_q, resolved.keys), kKeyEsc);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_LEFT, resolved.keys), std::nullopt) << "Left was rebound";
}

TEST(KeyBindings, UnknownAndReservedNamesKeepTheDefaultAndAreReported) {
  InputOptions options;
  options.bindings[0] = {"Lefty", "P"};  // Left: neither can be had
  options.bindings[3] = {"F12", "X"};    // Space: the screenshot key is not the game's
  options.bindings[4] = {"Pause", "F11"};
  const ResolvedBindings resolved = ResolveBindings(options);
  EXPECT_EQ(resolved.rejected, (std::vector<std::string>{"Lefty", "P", "F12", "Pause", "F11"}));
  EXPECT_EQ(tk::BoundKeyCode(SDLK_LEFT, resolved.keys), kKeyLeft);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_SPACE, resolved.keys), kKeySpace);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_x, resolved.keys), kKeySpace);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_RETURN, resolved.keys), kKeyEnter);
  EXPECT_EQ(tk::BoundKeyCode(SDLK_KP_ENTER, resolved.keys), kKeyEnter);
  for (const SDL_Keycode reserved : {SDLK_p, SDLK_PAUSE, SDLK_F11, SDLK_F12}) {
    EXPECT_EQ(tk::BoundKeyCode(reserved, resolved.keys), std::nullopt);
  }
  EXPECT_TRUE(BindableKeyName(""));
  EXPECT_TRUE(BindableKeyName("Keypad 4"));
  EXPECT_FALSE(BindableKeyName("p"));
  EXPECT_FALSE(BindableKeyName("Keypad Four"));
}

}  // namespace
}  // namespace ursa
