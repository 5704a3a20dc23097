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

// The icon, `size` pixels square: the bear's head on a transparent background. The window
// uses the 32-pixel one; the desktop's menus the larger ones.
Canvas PaintIcon(ShotRenderer& renderer, int size = 32);

// The sizes of the desktop icons.
inline constexpr int kDesktopIconSizes[] = {32, 48, 64, 128, 256};

}  // namespace ursa::screengen
