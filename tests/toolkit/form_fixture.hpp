// A hidden, windowed Form1 on a virtual clock that presents nothing, for tests that need a
// window: events, composition and screenshots work as in the game.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "harness/key_injection.hpp"
#include "toolkit/toolkit.hpp"

namespace ursa::tk {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormOptions options;
    options.windowed = true;
    options.present = false;
    options.clock = &clock;
    form = std::make_unique<Form1>(options);
  }

  // Queues a real key event for the form's window, as the keyboard would.
  void Inject(SDL_Keycode key, bool down, bool repeat = false, Uint16 modifiers = KMOD_NONE) {
    harness::PushKey(*form, key, down, repeat, modifiers);
  }

  VirtualClock clock{1000};
  std::unique_ptr<Form1> form;
};

}  // namespace ursa::tk
