// bench-floor: what presenting stage 1 costs at the least. The game's own rules and scene, the
// bear running right and jumping as in bench-game's paced play, drawn straight into the window's
// back buffer (one clear, the 3D view's draws, a swap) 50 times a second: no 2D layer, no
// composing, no scaling. Usage: bench-floor [--fullscreen] [--stand] [--seconds N]
#include <SDL.h>
#include <epoxy/gl.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/stage_lifecycle.hpp"
#include "toolkit/random.hpp"
#include "view/rm/device.hpp"
#include "view/rm/gl_context.hpp"
#include "view/rm/platform.hpp"
#include "view/rm/scene_draw.hpp"
#include "view/rm/viewport.hpp"
#include "view/scene_build.hpp"
#include "view/view_update.hpp"

namespace ursa {
namespace {

constexpr int kTickMs = 20;

// CPU time of the whole process (RUSAGE_SELF: the rasteriser's threads too) or of the calling
// thread alone (RUSAGE_THREAD: the one that runs the rules and makes every GL call).
double CpuSeconds(int who = RUSAGE_SELF) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class FloorWindow final : public rm::Display, public rm::PictureWindow {
 public:
  explicit FloorWindow(bool fullscreen) {
    SDL_Init(SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    // Full screen as the game makes it: the window covers the screen first, since a bare X
    // server has no window manager to honour the request.
    SDL_Rect bounds{0, 0, 640, 480};
    if (fullscreen) SDL_GetDisplayBounds(0, &bounds);
    window_ =
        SDL_CreateWindow("Ursa floor", bounds.x, bounds.y, bounds.w, bounds.h, SDL_WINDOW_OPENGL);
    if (fullscreen) SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    context_ = SDL_GL_CreateContext(window_);
    SDL_GL_SetSwapInterval(0);
  }
  void SetDisplayMode(int, int, int) override {}
  bool MakeContextCurrent() override { return SDL_GL_MakeCurrent(window_, context_) == 0; }
  void ShowDeviceImage(unsigned, int, int) override {}
  SDL_Window* Window() { return window_; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
};

class FloorHost final : public GameHost {
 public:
  explicit FloorHost(FloorWindow& window, std::string meshFolder) : window_(window) {
    setup_ = {std::move(meshFolder), &window_, &window_, &random_};
  }
  int64_t Milliseconds() override { return static_cast<int64_t>(SDL_GetTicks64()); }
  void SetPictureVisible(bool) override {}
  void DrawHud(const GameState&) override {}
  void BuildScene(const GameState& s) override { view::BuildScene(handles_, s, setup_); }
  void ReleaseScene() override { view::ReleaseScene(handles_); }
  void DrawTitleScreen() override {}
  void DrawEndingScreen(GameState&) override {}
  void PlaceObject(const GameState& s, int i) override { view::PlaceObject(handles_, s, i); }
  void TurnPlayer(const GameState& s) override { view::TurnPlayer(handles_, s); }
  void PlacePlayerAndCamera(const GameState& s) override {
    view::PlacePlayerAndCamera(handles_, s);
  }
  void AimCameraAndLight(const GameState& s) override { view::AimCameraAndLight(handles_, s); }
  void RenderView() override { DrawStraight(); }
  void RenderDeathFrame(const GameState& s) override {
    view::RenderDeathFrame(handles_, s);
    DrawStraight();
  }
  void EndProgram() override {}

 private:
  // The 3D view's 400 x 300 at its place in a 640 x 480 picture centred in the window.
  void DrawStraight() {
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

  FloorWindow& window_;
  tk::Random random_;
  view::SceneSetup setup_;
  view::SceneHandles handles_;
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
  FloorWindow window(fullscreen);
  const char* base = SDL_GetBasePath();
  std::string folder = base != nullptr ? base : "./";
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  FloorHost host(window, folder);
  Game game;
  game.state.stage = 1;
  game.screen = Screen::kPlaying;
  StartStage(game, host);
  const uint64_t start = SDL_GetTicks64();
  const double cpuStart = CpuSeconds();
  const double mainStart = CpuSeconds(RUSAGE_THREAD);
  int frames = 0;
  while (SDL_GetTicks64() - start < static_cast<uint64_t>(seconds * 1000)) {
    GameState& s = game.state;
    if (!stand) {
      s.moveInput = 1;
      if (frames % 60 == 0 && s.jumpKey == 0) s.jumpKey = -1;
      if (frames % 60 == 30) s.jumpKey = 0;
    }
    if (RunFrame(s, host) != FrameResult::kNone) StartStage(game, host);
    ++frames;
    const uint64_t due = start + static_cast<uint64_t>(frames) * kTickMs;
    const uint64_t now = SDL_GetTicks64();
    if (now < due) SDL_Delay(static_cast<Uint32>(due - now));
  }
  const double wall = static_cast<double>(SDL_GetTicks64() - start) / 1000;
  const double cpu = CpuSeconds() - cpuStart;
  const double main = CpuSeconds(RUSAGE_THREAD) - mainStart;
  std::printf(
      "floor frames %d fps %.2f cpu_percent %.1f cpu_ms_per_frame %.3f main_ms_per_frame %.3f\n",
      frames, frames / wall, 100 * cpu / wall, 1000 * cpu / frames, 1000 * main / frames);
  return 0;
}

}  // namespace
}  // namespace ursa

int main(int argc, char** argv) { return ursa::Main(argc, argv); }
