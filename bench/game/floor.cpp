// bench-floor: what presenting stage 1 costs at the least. The game's own rules and scene, the
// bear running right and jumping as in bench-game's paced play, drawn straight into the window's
// back buffer (one clear, the 3D view's draws, a swap) 50 times a second: no 2D layer, no
// composing, no scaling. Usage: bench-floor [--fullscreen] [--stand] [--seconds N]
#include <cstring>
#include <string>

#include "bench/game/floor_play.hpp"
#include "gl/gl_api.hpp"
#include "view/rm/device.hpp"
#include "view/rm/scene_draw.hpp"
#include "view/rm/viewport.hpp"

namespace ursa {
namespace {

class StraightHost final : public floor::FloorHost {
 public:
  using FloorHost::FloorHost;

 private:
  // The 3D view's 400 x 300 at its place in a 640 x 480 picture centred in the window.
  void Draw() override {
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window_.Window(), &width, &height);
    const rm::Viewport& viewport = *handles_.viewport;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport((width - 640) / 2 + 120, (height - 480) / 2 + 480 - 65 - 300, 400, 300);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    const rm::Mat4 cameraWorld = viewport.Camera()->WorldTransform();
    rm::DrawScene(handles_.device->Context(), *handles_.sceneFrame, rm::Inverse(cameraWorld),
                  viewport.Projection(), viewport.ViewFrustum(), cameraWorld.Column(3), "floor");
    SDL_GL_SwapWindow(window_.Window());
  }
};

int Main(int argc, char** argv) {
  bool fullscreen = false;
  bool stand = false;
  double seconds = 10;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--fullscreen") == 0) fullscreen = true;
    if (std::strcmp(argv[i], "--stand") == 0) stand = true;
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) seconds = std::stod(argv[++i]);
  }
  floor::FloorWindow window("Ursa floor", fullscreen, true);
  StraightHost host(window);
  floor::PlayStageOne("floor", host, seconds, stand);
  return 0;
}

}  // namespace
}  // namespace ursa

int main(int argc, char** argv) { return ursa::Main(argc, argv); }
