// Drawing a scene tree with the Gouraud shader: gathering lights and meshes with their world
// transforms, then one draw per mesh part. Internal to the layer.
#pragma once

#include "view/rm/frame.hpp"
#include "view/rm/frustum.hpp"
#include "view/rm/gl_context.hpp"

namespace ursa::rm {

// The framebuffer, viewport rectangle and depth state must be set; the context current.
// Meshes wholly outside the frustum are skipped. Translucent meshes (under a frame whose
// opacity is below 1) are drawn last, as one see-through layer, and leave blending on and the
// depth test passing equal depths. Returns the number of meshes drawn.
int DrawScene(GlContext& context, Frame& scene, const Mat4& view, const Mat4& projection,
              const Frustum& frustum, Vec3 eye, const char* operation);

}  // namespace ursa::rm
