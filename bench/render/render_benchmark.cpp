// bench-render: one Clear + Render of a built stage (202 frames besides the bear's) at
// 640 x 480, a whole stage build, the mesh loads of stage 10's platforms and a file's parse.
// Run with SDL_VIDEODRIVER=offscreen to measure llvmpipe without a window.
#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>

#include "game/stage_layouts.hpp"
#include "harness/offscreen_display.hpp"
#include "toolkit/random.hpp"
#include "view/rm/x_file.hpp"
#include "view/scene_build.hpp"
#include "view/view_update.hpp"

namespace ursa::bench {
namespace {

// A hidden window's OpenGL context, the display the renderer draws with, and a picture box
// that is never shown to: a frame is measured up to the end of its drawing.
harness::OffscreenDisplay& Display() {
  static auto* display = new harness::OffscreenDisplay();
  return *display;
}

// A stage's scene exactly as a stage start builds it.
struct BuiltStage {
  explicit BuiltStage(int stage) {
    handles.dxRoot = rm::CreateDirectXRoot(Display());
    handles.ddraw = handles.dxRoot->DirectDrawCreate("");
    state.stage = static_cast<int16_t>(stage);
    Build();
  }
  void Build() {
    LoadStageLayout(state);
    view::BuildScene(handles, state, {URSA_ASSETS_DIR, &Display(), &picture, &random});
    PlacePlayerAtStart(state);
  }
  // The player at (x, y) in pose `anim`, with the camera and the light aimed as in play.
  void Place(int x, int y, int anim) {
    state.playerX = static_cast<int16_t>(x);
    state.playerY = static_cast<int16_t>(y);
    state.animFrame = static_cast<int16_t>(anim);
    view::PlacePlayerAndCamera(handles, state);
    view::AimCameraAndLight(handles, state);
  }
  void Draw() {
    handles.viewport->Clear(7);
    handles.viewport->Render(handles.sceneFrame);
    glFinish();
  }

  harness::OffscreenPicture picture;
  tk::Random random;
  view::SceneHandles handles;
  GameState state{};
};

// One frame's drawing of stage range(0) with the player walking right from the start:
// clear, render, and wait until the rasteriser has finished.
void BM_RenderStage(benchmark::State& state) {
  BuiltStage stage(static_cast<int>(state.range(0)));
  int frame = 0;
  int drawn = 0;
  for (auto _ : state) {
    stage.Place(8 * (frame % 200), 50, frame % 20);
    stage.Draw();
    drawn += stage.handles.viewport->LastDrawCount();
    ++frame;
  }
  state.counters["frames"] = static_cast<double>(rm::CountLiveObjects().frames);
  state.counters["meshesDrawn"] = static_cast<double>(drawn) / frame;
}
// Process CPU time counts the rasteriser threads too: the work a frame costs the machine.
BENCHMARK(BM_RenderStage)->Arg(1)->Arg(10)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The same frames with the backdrop's 48 tiles taken off the scene: what drawing the backdrop
// costs of a frame, the most any cheaper way of drawing it could save.
void BM_RenderStageWithoutBackdrop(benchmark::State& state) {
  BuiltStage stage(static_cast<int>(state.range(0)));
  for (const rm::FramePtr& tile : stage.handles.backdropFrames) {
    if (tile) stage.handles.sceneFrame->DeleteChild(tile);
  }
  int frame = 0;
  for (auto _ : state) {
    stage.Place(8 * (frame % 200), 50, frame % 20);
    stage.Draw();
    ++frame;
  }
}
BENCHMARK(BM_RenderStageWithoutBackdrop)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// What a stage-10 build pays for its platforms: 47 mesh builders loaded from one file
// (parsed once per process, copied into each builder).
void BM_Load47MeshBuilders(benchmark::State& state) {
  rm::DirectXRootPtr root = rm::CreateDirectXRoot(Display());
  rm::Direct3DRMPtr d3drm = root->Direct3DRMCreate();
  const std::string path = std::string(URSA_ASSETS_DIR) + "/block3.x";
  for (auto _ : state) {
    std::array<rm::MeshBuilderPtr, 47> builders;
    for (auto& builder : builders) {
      builder = d3drm->CreateMeshBuilder();
      builder->LoadFromFile(path, 0, 0);
    }
    benchmark::DoNotOptimize(builders);
  }
}
BENCHMARK(BM_Load47MeshBuilders)->Unit(benchmark::kMicrosecond);

// A whole stage-10 start: the scene built over the previous one (which goes piece by piece),
// then the first render, which puts every mesh builder on the GPU.
void BM_BuildStage10(benchmark::State& state) {
  BuiltStage stage(10);
  for (auto _ : state) {
    stage.Build();
    stage.Place(0, 50, 0);
    stage.Draw();
  }
}
BENCHMARK(BM_BuildStage10)->Unit(benchmark::kMillisecond);

// Parsing the bear once, in this process and in the guarded child process that loading
// really uses: the difference is what the isolation costs per file (each is parsed once).
void BM_ParseBear(benchmark::State& state) {
  std::ifstream in(std::string(URSA_ASSETS_DIR) + "/bear.x", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const bool isolated = state.range(0) != 0;
  for (auto _ : state) {
    rm::XFile file = isolated ? rm::ImportXFileIsolated(bytes) : rm::ImportXFile(bytes);
    benchmark::DoNotOptimize(file);
  }
  state.SetLabel(isolated ? "child process" : "in process");
}
BENCHMARK(BM_ParseBear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ursa::bench

BENCHMARK_MAIN();
