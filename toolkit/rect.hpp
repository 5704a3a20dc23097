// A rectangle of pixels: left, top, width, height, y downwards as on the window (y up where a
// comment says it counts as OpenGL does). The one rectangle of gl/, with its operations.
#pragma once

#include "gl/rect.hpp"

namespace ursa::tk {

using Rect = gl::Rect;

}  // namespace ursa::tk
