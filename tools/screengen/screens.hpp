// The screen picture (title screen above, ending screen below, each at half the window's
// size) and the window icon, painted from procedural stone and the game's own meshes.
#pragma once

#include "tools/screengen/canvas.hpp"
#include "tools/screengen/shot.hpp"
#include "tools/screengen/text_painter.hpp"

namespace ursa::screengen {

// Each screen at window size, 640 x 480.
Canvas PaintTitleScreen(ShotRenderer& renderer, const TextPainter& text);
Canvas PaintEndingScreen(ShotRenderer& renderer, const TextPainter& text);

// The 320 x 480 picture stored as assets/screen.bmp.
Canvas PaintScreenPicture(ShotRenderer& renderer, const TextPainter& text);

// The 32 x 32 window icon: the bear's head on a transparent background.
Canvas PaintIcon(ShotRenderer& renderer);

}  // namespace ursa::screengen
