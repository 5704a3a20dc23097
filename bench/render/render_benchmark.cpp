// bench-render: one Clear + Render of a stage-sized scene (about 200 frames) at 640 x 480,
// and the mesh loads of a stage-10 build. Run with SDL_VIDEODRIVER=offscreen for llvmpipe.
#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <memory>

#include "stage_like_scene.hpp"
#include "view/rm/offscreen_display.hpp"

namespace ursa::bench {
namespace {

rm::OffscreenDisplay& Display() {
  static auto* display = new rm::OffscreenDisplay();
  return *display;
}

// One frame's drawing: clear, render, and wait until the rasteriser has finished.
void BM_RenderStageScene(benchmark::State& state) {
  rm::OffscreenPicture picture;
  rm::DirectXRootPtr root = rm::CreateDirectXRoot(Display());
  StageLikeScene s;
  BuildStageLikeScene(s, *root, picture, static_cast<int>(state.range(0)));
  int frame = 0;
  for (auto _ : state) {
    PlaceForFrame(s, static_cast<float>(frame % 300), static_cast<float>(frame % 20));
    s.viewport->Clear(7);
    s.viewport->Render(s.scene);
    glFinish();
    ++frame;
  }
  state.counters["frames"] = static_cast<double>(rm::CountLiveObjects().frames);
}
BENCHMARK(BM_RenderStageScene)->Arg(3)->Arg(40)->Unit(benchmark::kMillisecond);

// What a stage-10 build pays for its platforms: 47 mesh builders loaded from one file
// (parsed once per process), each then put on the GPU by the first render.
void BM_Load47MeshBuilders(benchmark::State& state) {
  rm::DirectXRootPtr root = rm::CreateDirectXRoot(Display());
  rm::Direct3DRMPtr d3drm = root->Direct3DRMCreate();
  const std::string path = AssetPath("block3.x");
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

// A whole stage start's scene: 202 frames, the bear and every mesh load, then the first
// render (which uploads every mesh builder) and the release of the previous scene.
void BM_BuildStageScene(benchmark::State& state) {
  rm::OffscreenPicture picture;
  rm::DirectXRootPtr root = rm::CreateDirectXRoot(Display());
  auto s = std::make_unique<StageLikeScene>();
  for (auto _ : state) {
    BuildStageLikeScene(*s, *root, picture, 40);
    PlaceForFrame(*s, 0, 0);
    s->viewport->Clear(7);
    s->viewport->Render(s->scene);
    glFinish();
  }
}
BENCHMARK(BM_BuildStageScene)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ursa::bench

BENCHMARK_MAIN();
