// Everything the game draws in 2D on the window's canvas: the HUD band, the title and ending
// screens, and the outlined text of the ending's numbers. Nothing here runs per frame.
#pragma once

#include "game/game_state.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/image.hpp"

namespace ursa::view {

void DrawHud(tk::Canvas& canvas, const GameState& s);
// Prints msgText at (msgX, msgY) in white with a one-pixel blue edge; leaves the text white.
void DrawOutlinedText(tk::Canvas& canvas, const GameState& s);
// The screens are the two halves of `picture`, the screen picture, each enlarged by 2.
void DrawTitleScreen(tk::Canvas& canvas, const tk::Image& picture);
void DrawEndingScreen(tk::Canvas& canvas, const tk::Image& picture, GameState& s);

}  // namespace ursa::view
