// InputOptions: how the player's keyboard and pads reach the game. Two keyboard keys by name
// for each game key, the pad stick's dead zone, and whether losing the window's focus pauses.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_keys.hpp"
#include "toolkit/key_bindings.hpp"

namespace ursa {

// How far the stick must lean, of the 32767 it can, before it counts as Left or Right.
inline constexpr int kDefaultPadDeadZone = 8000;

// Two keyboard keys by name for each of kGameKeys, in its order.
using BindingNames = std::array<std::array<std::string, 2>, kGameKeys.size()>;

// The keyboard keys of kGameKeys, by name.
inline BindingNames DefaultBindingNames() {
  BindingNames names;
  for (std::size_t i = 0; i < kGameKeys.size(); ++i) {
    names[i] = {std::string(kGameKeys[i].keyboard[0]), std::string(kGameKeys[i].keyboard[1])};
  }
  return names;
}

struct InputOptions {
  // Key names for the game keys in kGameKeys order (Left, Right, Up, Space, Enter, Esc,
  // TimeAttack), two
  // each, by default the game's own; an empty name binds nothing. Names as SDL gives them
  // ("Left", "A", "Keypad 4", "Return"), in any letter case; the key-script names "Enter" and
  // "Esc" are understood too.
  BindingNames bindings = DefaultBindingNames();
  int padDeadZone = kDefaultPadDeadZone;
  bool pauseOnFocusLoss = true;
};

// A keyboard key by the name a player writes: SDL's names in any letter case, and the game's
// key-script names for the game key's first keyboard key ("Enter" is Return, "Esc" is Escape).
// SDLK_UNKNOWN for a name no key has.
SDL_Keycode KeyOfName(std::string_view name);

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
