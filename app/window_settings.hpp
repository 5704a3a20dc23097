// The settings as the window uses them: the options it opens with, and what the player changed
// while it ran (F11, resizing) to be remembered.
#pragma once

#include "app/game_window.hpp"
#include "app/input_options.hpp"
#include "app/settings.hpp"
#include "toolkit/form_options.hpp"

namespace ursa {

// The window's options for `settings` (the game's defaults otherwise).
tk::FormOptions WindowOptions(const Settings& settings);

// Whether play draws smooth pictures: as the settings say, or for auto, where OpenGL is not
// drawn on the CPU.
bool SmoothPictures(Motion motion, bool softwareRasteriser);

// `atStart` with what the player changed while the window ran: the window mode switched to
// with F11 or Alt+Enter, and a window size made by resizing, kept through full screen (a whole
// multiple of 640 x 480 is the game's own choice, not the player's). A screen that refused full
// screen changes nothing.
Settings SettingsAtEnd(const Settings& atStart, GameWindow& window);

}  // namespace ursa
