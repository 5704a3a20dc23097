// The ending screen as a player sees it: the picture's ending half with the game's three
// numbers printed over it in the game's face, white with a one-pixel blue outline.
#pragma once

#include "tools/screengen/canvas.hpp"
#include "tools/screengen/text_painter.hpp"

namespace ursa::screengen {

// `ending` is the ending half at window size (640 x 480).
Canvas EndingWithNumbers(Canvas ending, const TextPainter& text, int frameCount, int missCount);

}  // namespace ursa::screengen
