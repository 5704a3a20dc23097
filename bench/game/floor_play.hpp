// What the floor programs share: a bare SDL window with an OpenGL 3.3 context, a host that
// hands the view calls of a frame straight to the view, and stage 1 played 50 times a second.
// Each floor says only how a frame reaches the window (FloorHost::Draw).
#pragma once

#include <SDL.h>
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "game/frame.hpp"
#include "game/game.hpp"
#include "game/stage_lifecycle.hpp"
#include "toolkit/random.hpp"
#include "view/rm/platform.hpp"
#include "view/scene_build.hpp"
#include "view/view_update.hpp"

namespace ursa::floor {

// CPU time of the whole process (RUSAGE_SELF: the rasteriser's threads too) or of the calling
// thread alone (RUSAGE_THREAD: the one that runs the rules and makes every GL call).
inline double CpuSeconds(int who = RUSAGE_SELF) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class FloorWindow final : public rm::Display, public rm::PictureWindow {
 public:
  // `depth`: the window's own buffer has a depth buffer (the scene is drawn straight into it).
  FloorWindow(const char* title, bool fullscreen, bool depth) {
    SDL_Init(SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (depth) SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    // Full screen as the game makes it: the window covers the screen first, since a bare X
    // server has no window manager to honour the request.
    SDL_Rect bounds{0, 0, 640, 480};
    if (fullscreen) SDL_GetDisplayBounds(0, &bounds);
    window_ = SDL_CreateWindow(title, bounds.x, bounds.y, bounds.w, bounds.h, SDL_WINDOW_OPENGL);
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

// The game's view calls, straight to the view; Draw puts the rendered frame on the window.
class FloorHost : public GameHost {
 public:
  explicit FloorHost(FloorWindow& window) : window_(window) {
    const char* base = SDL_GetBasePath();
    std::string folder = base != nullptr ? base : "./";
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    setup_ = {folder, &window_, &window_, &random_};
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
  void RenderView() override { Draw(); }
  void RenderDeathFrame(const GameState& s) override {
    view::RenderDeathFrame(handles_, s);
    Draw();
  }
  void EndProgram() override {}

 protected:
  virtual void Draw() = 0;

  FloorWindow& window_;
  tk::Random random_;
  view::SceneSetup setup_;
  view::SceneHandles handles_;
};

// Stage 1 for `seconds`, a frame per 20 ms tick, the bear running right and jumping as in
// bench-game's paced play (standing still with `stand`); prints `name`'s frames and CPU.
inline void PlayStageOne(const char* name, FloorHost& host, double seconds, bool stand) {
  constexpr int kTickMs = 20;
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
      "%s frames %d fps %.2f cpu_percent %.1f cpu_ms_per_frame %.3f main_ms_per_frame %.3f\n", name,
      frames, frames / wall, 100 * cpu / wall, 1000 * cpu / frames, 1000 * main / frames);
}

}  // namespace ursa::floor
