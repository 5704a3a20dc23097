// Texture and framebuffer set-up, written once for the window's composed image and the
// renderer's device: an RGBA8 texture to draw into and read, depth for 3D drawing, and the
// framebuffer that draws into them.
#pragma once

namespace ursa::gl {

enum class Filter { kNearest, kLinear };

// Gives `texture` RGBA8 storage of width x height, its content undefined, sampled with
// `filter` and clamped at its edges. Leaves it bound to the active unit.
void DefineColorTexture(unsigned texture, int width, int height, Filter filter);

// Gives `renderbuffer` 24-bit depth storage of width x height.
void DefineDepthBuffer(unsigned renderbuffer, int width, int height);

// Attaches `colorTexture` and, unless it is 0, `depthRenderbuffer` to `framebuffer`, which is
// left bound. False when the framebuffer is incomplete (no OpenGL 3.3 underneath).
bool AttachTargets(unsigned framebuffer, unsigned colorTexture, unsigned depthRenderbuffer = 0);

}  // namespace ursa::gl
