// Counts of the retained-mode objects and OpenGL objects alive right now, so that tests can
// prove that dropping every handle of a scene frees all of it.
#pragma once

namespace ursa::rm {

struct LiveObjects {
  int frames = 0;
  int meshBuilders = 0;
  int lights = 0;
  int animationSets = 0;
  int devices = 0;
  int viewports = 0;
  int glBuffers = 0;
  int glVertexArrays = 0;
  int glTextures = 0;
  int glRenderbuffers = 0;
  int glFramebuffers = 0;
  int glPrograms = 0;

  bool operator==(const LiveObjects&) const = default;
};

LiveObjects CountLiveObjects();

// The counters themselves, bumped by constructors and destructors inside the layer.
namespace live {
enum Kind {
  kFrame,
  kMeshBuilder,
  kLight,
  kAnimationSet,
  kDevice,
  kViewport,
  kGlBuffer,
  kGlVertexArray,
  kGlTexture,
  kGlRenderbuffer,
  kGlFramebuffer,
  kGlProgram,
  kKindCount
};
void Add(Kind kind, int delta);
}  // namespace live

}  // namespace ursa::rm
