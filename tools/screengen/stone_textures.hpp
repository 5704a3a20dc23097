// The painted backgrounds of the screen picture: a rubble wall of irregular stones in dark
// mortar, lit from the upper left, and a brick floor seen in perspective.
#pragma once

#include <cstdint>

#include "tools/screengen/canvas.hpp"

namespace ursa::screengen {

// Fills `rect` with rubble; `stone` is the typical stone width in pixels.
void PaintRubble(Canvas& canvas, Rect rect, float stone, uint32_t seed);

// Fills the rows from `top` to the canvas bottom with a brick floor that recedes toward
// `top`; the bricks' courses run across the picture.
void PaintBrickFloor(Canvas& canvas, int top, uint32_t seed);

}  // namespace ursa::screengen
