// The OpenGL state the window's passes and the renderer's share one context with: each pass
// sets, before it draws, all the state its drawing depends on, and leaves it so. None relies on
// what another left and none puts back what it found, which would cost a read per setting on
// every pass. Pixel-store settings alone are put back to OpenGL's defaults after each transfer.
#pragma once

#include "gl/rect.hpp"

namespace ursa::gl {

// Drawing goes into `framebuffer` (0: the window's) through `viewport`, cut to `scissor`
// (pixels, rows counted up from the bottom as OpenGL counts).
void DrawInto(unsigned framebuffer, const Rect& viewport, const Rect& scissor);

// 2D drawing: no depth, cull, blend or stencil test, every colour channel written.
void PlainDrawing();

}  // namespace ursa::gl
