// Keyboard keys by name, as a player writes them in the settings: SDL's key names in any
// letter case ("Left", "A", "Keypad 4", "Return").
#pragma once

#include <SDL.h>

#include <string>
#include <string_view>

namespace ursa::tk {

// The key of a name; SDLK_UNKNOWN for a name no key has (and for the empty name).
SDL_Keycode KeyFromName(std::string_view name);

// SDL's name of a key ("Return", "Keypad 4"); empty for SDLK_UNKNOWN.
std::string NameOfKey(SDL_Keycode key);

}  // namespace ursa::tk
