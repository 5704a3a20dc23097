// How old the window's back buffer is before drawing a frame: 1 when it holds the last frame
// presented, n when it holds the frame presented n swaps ago, 0 when its content is unknown.
// And presenting part of the window by copying it from the back buffer, where GLX offers that.
#pragma once

namespace ursa::tk {

// Asks the current context's EGL drawable, or its GLX drawable when `glx` says the window
// system made the context through GLX (the context must be current). Without the buffer age
// extensions: EGL's preserved swap behaviour means 1; Mesa's software rasteriser on GLX copies
// its back image to the window and keeps it, which is 1 too; anything else is 0.
int BackBufferAge(bool glx, bool softwareRasteriser);

// Copies `rect` (pixels, y up) of the back buffer to the window instead of swapping the whole
// of it (GLX_MESA_copy_sub_buffer); the back buffer keeps its content, so the next frame starts
// from the picture it shows. False when there is no such copy: then swap.
bool CopyToWindow(bool glx, int x, int y, int width, int height);

}  // namespace ursa::tk
