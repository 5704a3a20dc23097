// InputOptions: how the player's keyboard and pads reach the game. Two keyboard keys by name
// for each game key, the pad stick's dead zone, and whether losing the window's focus pauses.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/key_codes.hpp"

namespace ursa {

// How far the stick must lean, of the 32767 it can, before it counts as Left or Right.
inline constexpr int kDefaultPadDeadZone = 8000;

struct InputOptions {
  // Key names for the game keys in kGameKeys order (Left, Right, Up, Space, Enter, Esc), two
  // each; an empty name binds nothing. Names as SDL gives them ("Left", "A", "Keypad 4",
  // "Return"), in any letter case; "Enter" and "Esc" are understood too.
  std::array<std::array<std::string, 2>, 6> bindings = {{
      {"Left", ""},
      {"Right", ""},
      {"Up", ""},
      {"Space", ""},
      {"Return", "Keypad Enter"},
      {"Escape", ""},
  }};
  int padDeadZone = kDefaultPadDeadZone;
  bool pauseOnFocusLoss = true;
};

// True when a key of that name exists and may be bound: F11, F12, P and Pause keep their own
// meaning. The empty name (nothing bound) is bindable.
bool BindableKeyName(std::string_view name);

struct ResolvedBindings {
  tk::KeyBindings keys;
  // The names that could not be bound, in the order met; their places keep the default key.
  std::vector<std::string> rejected;
};

// The keyboard keys of the bindings in `options`.
ResolvedBindings ResolveBindings(const InputOptions& options);

}  // namespace ursa
