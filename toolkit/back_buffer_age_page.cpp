// The browser's back buffer: the page makes the canvas's context with preserveDrawingBuffer
// (index.html), so the canvas keeps the picture last shown and each frame draws only what
// changed since.
#include "toolkit/back_buffer_age.hpp"

namespace ursa::tk {

int BackBufferAge(bool /*glx*/, bool /*softwareRasteriser*/) { return 1; }

bool CopyToWindow(bool /*glx*/, int /*x*/, int /*y*/, int /*width*/, int /*height*/) {
  return false;
}

}  // namespace ursa::tk
