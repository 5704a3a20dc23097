// The live-object counters behind CountLiveObjects.
// Atomic so that a stray destructor on another thread cannot tear a count.
#include "view/rm/live_objects.hpp"

#include <array>
#include <atomic>

namespace ursa::rm {
namespace {

std::array<std::atomic<int>, live::kKindCount>& Counters() {
  static std::array<std::atomic<int>, live::kKindCount> counters{};
  return counters;
}

}  // namespace

void live::Add(Kind kind, int delta) { Counters()[kind] += delta; }

LiveObjects CountLiveObjects() {
  const auto& c = Counters();
  LiveObjects r;
  r.frames = c[live::kFrame];
  r.meshBuilders = c[live::kMeshBuilder];
  r.lights = c[live::kLight];
  r.animationSets = c[live::kAnimationSet];
  r.devices = c[live::kDevice];
  r.viewports = c[live::kViewport];
  r.glBuffers = c[live::kGlBuffer];
  r.glVertexArrays = c[live::kGlVertexArray];
  r.glTextures = c[live::kGlTexture];
  r.glRenderbuffers = c[live::kGlRenderbuffer];
  r.glFramebuffers = c[live::kGlFramebuffer];
  r.glPrograms = c[live::kGlProgram];
  return r;
}

}  // namespace ursa::rm
