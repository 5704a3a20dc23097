// How old the window's back buffer is before drawing a frame: 1 when it holds the last frame
// presented, n when it holds the frame presented n swaps ago, 0 when its content is unknown.
#pragma once

namespace ursa::tk {

// Asks the current context's EGL drawable, or its GLX drawable when `glx` says the window
// system made the context through GLX (the context must be current). Without the buffer age
// extensions: EGL's preserved swap behaviour means 1; Mesa's software rasteriser on GLX copies
// its back image to the window and keeps it, which is 1 too; anything else is 0.
int BackBufferAge(bool glx, bool softwareRasteriser);

}  // namespace ursa::tk
