// What the window costs per use on this machine: presenting a 3D frame through the picture
// box, a screenshot, a screen's 2x copy, the HUD and an outlined text. Not run by CTest.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "gl/gl_api.hpp"
#include "gl/render_target.hpp"
#include "gl/texture_changes.hpp"
#include "toolkit/toolkit.hpp"

namespace ursa::tk {
namespace {

std::unique_ptr<Form1> OpenForm(bool present, bool fullscreen = false) {
  FormOptions options;
  options.windowed = !fullscreen;
  options.present = present;
  auto form = std::make_unique<Form1>(options);
  form->SetDisplayMode(640, 480, 16);
  form->Show();
  return form;
}

GLuint MakeDeviceImage() {
  std::vector<uint8_t> texels(640 * 480 * 4, 0x80);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  gl::DefineColorTexture(texture, 640, 480, gl::Filter::kNearest);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return texture;
}

// One frame's Update: device image into the picture box, compose, scale, swap. glFinish
// makes the software rasteriser's work count in the frame that caused it. Argument 0: the
// window (a whole multiple of 640 x 480), 1: the full screen.
void BM_PresentFrame(benchmark::State& state) {
  auto form = OpenForm(true, state.range(0) == 1);
  const GLuint texture = MakeDeviceImage();
  form->Picture1().SetVisible(true);
  for (auto _ : state) {
    form->Picture1().ShowDeviceImage({texture, 640, 480});
    glFinish();
  }
  glDeleteTextures(1, &texture);
}
BENCHMARK(BM_PresentFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The part of a frame the 3D view changes: a tracked device image whose renderer noted its
// 400 x 300 viewport, composed (16-bit reduction included) without presenting.
void BM_ComposeView(benchmark::State& state) {
  auto form = OpenForm(false);
  const GLuint texture = MakeDeviceImage();
  gl::TrackTexture(texture);
  form->Picture1().SetVisible(true);
  form->Picture1().ShowDeviceImage({texture, 640, 480});
  for (auto _ : state) {
    gl::NoteTextureChange(texture, {120, 65, 400, 300});
    form->Picture1().ShowDeviceImage({texture, 640, 480});
    glFinish();
  }
  gl::ForgetTexture(texture);
  glDeleteTextures(1, &texture);
}
BENCHMARK(BM_ComposeView)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_Screenshot(benchmark::State& state) {
  auto form = OpenForm(false);
  for (auto _ : state) benchmark::DoNotOptimize(form->Screenshot());
}
BENCHMARK(BM_Screenshot)->Unit(benchmark::kMillisecond);

void BM_ScreenCopyTwice(benchmark::State& state) {
  auto form = OpenForm(false);
  std::vector<uint8_t> bmp(54 + 320 * 480 * 3);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 320, 480, 24, SDL_PIXELFORMAT_BGR24);
  SDL_RWops* rw = SDL_RWFromMem(bmp.data(), static_cast<int>(bmp.size()));
  SDL_SaveBMP_RW(surface, rw, 1);
  SDL_FreeSurface(surface);
  form->Image1().LoadFromMemory(bmp.data(), bmp.size());
  for (auto _ : state)
    form->Canvas().PaintPicture(form->Image1(), {0, 0, 320, 240}, {0, 0, 640, 480});
}
BENCHMARK(BM_ScreenCopyTwice)->Unit(benchmark::kMicrosecond);

void BM_Hud(benchmark::State& state) {
  auto form = OpenForm(false);
  Canvas& canvas = form->Canvas();
  for (auto _ : state) {
    canvas.Cls();
    canvas.PSet(5, 5, kBlack);
    canvas.Print("STAGE :" + Str(15));
    canvas.PSet(500, 5, kBlack);
    canvas.Print("MISS :" + Str(123));
  }
}
BENCHMARK(BM_Hud)->Unit(benchmark::kMicrosecond);

void BM_OutlinedText(benchmark::State& state) {
  auto form = OpenForm(false);
  Canvas& canvas = form->Canvas();
  const int offsets[9][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0},
                             {-1, 1},  {0, 1},  {1, 1},  {0, 0}};
  for (auto _ : state) {
    for (const auto& o : offsets) {
      const int x = 250 + o[0];
      const int y = 370 + o[1];
      canvas.PSet(x, y, canvas.Point(x, y));
      canvas.SetForeColor(o[0] == 0 && o[1] == 0 ? kWhite : kBlue);
      canvas.Print(Str(-120));
    }
  }
}
BENCHMARK(BM_OutlinedText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ursa::tk

BENCHMARK_MAIN();
