// The browser's back buffer: the page's canvas is cleared after every animation frame it
// shows, so its content is never known and each picture is drawn whole.
#include "toolkit/back_buffer_age.hpp"

namespace ursa::tk {

int BackBufferAge(bool /*glx*/, bool /*softwareRasteriser*/) { return 0; }

bool CopyToWindow(bool /*glx*/, int /*x*/, int /*y*/, int /*width*/, int /*height*/) {
  return false;
}

}  // namespace ursa::tk
