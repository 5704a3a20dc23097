// A hidden, windowed Form1 on a virtual clock that presents nothing, for tests that need a
// window: events, composition and screenshots work as in the game.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "harness/key_injection.hpp"
#include "harness/virtual_clock.hpp"
#include "toolkit/key_bindings.hpp"
#include "toolkit/toolkit.hpp"

namespace ursa::tk {

// The key codes the toolkit's tests bind, numbered as the game numbers its keys.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;

inline const KeyBindings kTestBindings = {
    {kKeyLeft, {SDLK_LEFT, SDLK_UNKNOWN}},     {kKeyRight, {SDLK_RIGHT, SDLK_UNKNOWN}},
    {kKeyUp, {SDLK_UP, SDLK_UNKNOWN}},         {kKeySpace, {SDLK_SPACE, SDLK_UNKNOWN}},
    {kKeyEnter, {SDLK_RETURN, SDLK_KP_ENTER}}, {kKeyEsc, {SDLK_ESCAPE, SDLK_UNKNOWN}},
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormOptions options;
    options.windowed = true;
    options.present = false;
    options.clock = &clock;
    form = std::make_unique<Form1>(options);
    form->SetKeyBindings(kTestBindings);
  }

  // Queues a real key event for the form's window, as the keyboard would.
  void Inject(SDL_Keycode key, bool down, bool repeat = false, Uint16 modifiers = KMOD_NONE) {
    harness::PushKey(*form, key, down, repeat, modifiers);
  }

  harness::VirtualClock clock{1000};
  std::unique_ptr<Form1> form;
};

}  // namespace ursa::tk
