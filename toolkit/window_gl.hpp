// What the window's OpenGL passes share: the one-triangle program that covers the target, the
// error check in the window's words, and telling a software rasteriser.
#pragma once

#include <string>

#include "gl/program.hpp"

namespace ursa::tk {

// A program whose vertex shader covers the whole viewport with one triangle (three vertices,
// no attributes; any vertex array) and whose fragment shader is `fragmentSource`. Throws
// Error when OpenGL 3.3 core cannot build it.
gl::Program MakeWindowProgram(const std::string& fragmentSource);

// Throws Error naming `what` when OpenGL has recorded an error since the last check.
void CheckWindowGl(const char* what);

// The current context draws on the CPU (Mesa's llvmpipe, softpipe or swrast), where every
// drawn pixel costs time the game needs.
bool SoftwareRasteriser();

}  // namespace ursa::tk
