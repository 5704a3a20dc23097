// Everything the game draws in 2D on the window's canvas: the HUD band, the title and ending
// screens, and the outlined text of the ending's numbers. Nothing here runs per frame.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/color.hpp"
#include "toolkit/image.hpp"
#include "toolkit/rect.hpp"

namespace ursa::view {

// The top of the line the HUD prints its stage and misses on.
inline constexpr int kHudTextY = 5;

void DrawHud(tk::Canvas& canvas, const GameState& s);
// The text cells DrawHud prints the stage and the misses in, so that what else shares the
// band can keep clear of them.
tk::Rect HudStageCell(const tk::Canvas& canvas, const GameState& s);
tk::Rect HudMissCell(const tk::Canvas& canvas, const GameState& s);
// Prints msgText at (msgX, msgY) in white with a one-pixel blue edge; leaves the text white.
void DrawOutlinedText(tk::Canvas& canvas, const GameState& s);
// Puts `text` and its place in msgText, msgX and msgY, then prints it outlined, its glyphs in
// `color` (white as DrawOutlinedText); leaves the text white.
void PrintOutlined(tk::Canvas& canvas, GameState& s, int x, int y, const std::string& text,
                   uint32_t color = tk::kWhite);
// The screens are the two halves of `picture`, the screen picture, each enlarged by 2.
void DrawTitleScreen(tk::Canvas& canvas, const tk::Image& picture);
void DrawEndingScreen(tk::Canvas& canvas, const tk::Image& picture, GameState& s);
// The ending's half of the picture alone, without its figures.
void DrawEndingPicture(tk::Canvas& canvas, const tk::Image& picture);

// Where the ending prints its figures: one column beside the picture's labels, a row for the
// clear time, the misses and the total score.
inline constexpr int kEndingFigureX = 250;
inline constexpr int kEndingTimeY = 182;
inline constexpr int kEndingMissY = 245;
inline constexpr int kEndingScoreY = 370;

}  // namespace ursa::view
