// Everything the game draws in 2D on the window: the HUD band, the title and ending screens,
// and the outlined text of the ending's numbers. Nothing here runs per frame.
#pragma once

#include "game/game_state.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

inline constexpr uint32_t kColourBlack = 0;
inline constexpr uint32_t kColourWhite = 16777215;
inline constexpr uint32_t kColourBlue = 16711680;

void DrawHud(tk::Form1& form, const GameState& s);
// Prints msgText at (msgX, msgY) in white with a one-pixel blue edge; leaves the text white.
void DrawOutlinedText(tk::Form1& form, const GameState& s);
void DrawTitleScreen(tk::Form1& form);
void DrawEndingScreen(tk::Form1& form, GameState& s);

}  // namespace ursa
