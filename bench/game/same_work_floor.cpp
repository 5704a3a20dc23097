// bench-floor-same-work: the work of the game's presenting done the simplest way, the yardstick
// its presenting figures are quoted against beside bench-floor's plain drawing.
// The same stage 1 scene and play as bench-floor, 50 times a second: the 3D view's draws into an
// RGBA8 target of the view's size, then one pass into the window's back buffer that scales the
// 640 x 480 picture nearest, composes the view with a HUD layer (a 640 x 480 texture made once,
// clear where the picture box shows), reduces to 5-6-5, and is cut to the view's area, which
// alone is copied to the window (the first picture is drawn and copied whole).
// Usage: bench-floor-same-work [--fullscreen] [--seconds N]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "bench/game/floor_play.hpp"
#include "gl/gl_api.hpp"
#include "gl/object.hpp"
#include "gl/program.hpp"
#include "gl/render_target.hpp"
#include "view/rm/device.hpp"
#include "view/rm/scene_draw.hpp"
#include "view/rm/viewport.hpp"

// Last: the X headers it brings define short names such as None and Bool.
#include <epoxy/glx.h>

namespace ursa {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// The 3D view in the 640 x 480 picture, rows counted up as OpenGL does: the viewport's
// 400 x 300 at (120, 65) of the device image, whose top-left corner is the picture box's
// (0, 50); so rows 115 to 414 counted down.
constexpr int kViewX = 120;
constexpr int kViewBottom = 65;
constexpr int kViewWidth = 400;
constexpr int kViewHeight = 300;
// The HUD's band above the picture box.
constexpr int kBandHeight = 50;

constexpr const char* kVertex = R"(#version 330 core
void main() {
  vec2 corner = vec2((gl_VertexID << 1) & 2, gl_VertexID & 2);
  gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

// Window pixel to picture pixel (nearest); the view's texel there, else the HUD over black (as
// in the game, the HUD never covers the view, so the view's pixels need not read it); 5-6-5.
constexpr const char* kFragment = R"(#version 330 core
uniform sampler2D view;
uniform sampler2D hud;
uniform vec2 origin;
uniform vec2 pictureStep;
out vec4 color;
void main() {
  ivec2 at = ivec2((gl_FragCoord.xy - origin) * pictureStep);
  ivec2 inView = at - ivec2(120, 65);
  vec3 c;
  if (all(greaterThanEqual(inView, ivec2(0))) && all(lessThan(inView, ivec2(400, 300)))) {
    c = texelFetch(view, inView, 0).rgb;
  } else {
    vec4 h = texelFetch(hud, at, 0);
    c = h.rgb * h.a;
  }
  vec3 kept = floor(floor(c * 255.0 + 0.5) * vec3(0.125, 0.25, 0.125));
  color = vec4((kept * vec3(8.0, 4.0, 8.0) + floor(kept * vec3(0.25, 0.0625, 0.25))) / 255.0, 1.0);
}
)";

// The HUD layer, rows counted up: an opaque band with two light blocks where the stage and
// miss counts stand, and clear below it, where the picture box shows.
std::vector<uint8_t> HudPixels() {
  std::vector<uint8_t> rgba(size_t{kWidth} * kHeight * 4, 0);
  for (int y = kHeight - kBandHeight; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool text = y < kHeight - 5 && y >= kHeight - 20 &&
                        ((x >= 5 && x < 100) || (x >= 500 && x < 600)) && (x / 2 + y) % 3 != 0;
      uint8_t* p = &rgba[(size_t{kWidth} * y + x) * 4];
      p[0] = text ? 250 : 20;
      p[1] = text ? 250 : 30;
      p[2] = text ? 250 : 90;
      p[3] = 255;
    }
  }
  return rgba;
}

// The window's rectangle (y up) the picture's rectangle [x0, x1) x [y0, y1) covers, scaled
// by `scale` from `origin`.
struct Area {
  int x, y, width, height;
};
Area Covered(double originX, double originY, double scale, int x0, int y0, int x1, int y1) {
  const int left = static_cast<int>(std::floor(originX + x0 * scale));
  const int bottom = static_cast<int>(std::floor(originY + y0 * scale));
  const int right = static_cast<int>(std::ceil(originX + x1 * scale));
  const int top = static_cast<int>(std::ceil(originY + y1 * scale));
  return {left, bottom, right - left, top - bottom};
}

class SameWorkHost final : public floor::FloorHost {
 public:
  explicit SameWorkHost(floor::FloorWindow& window)
      : FloorHost(window), present_("same-work floor", kVertex, kFragment) {
    gl::DefineColorTexture(viewTexture_.Name(), kViewWidth, kViewHeight, gl::Filter::kNearest);
    gl::DefineDepthBuffer(viewDepth_.Name(), kViewWidth, kViewHeight);
    gl::AttachTargets(viewTarget_.Name(), viewTexture_.Name(), viewDepth_.Name());
    const std::vector<uint8_t> hud = HudPixels();
    gl::DefineColorTexture(hudTexture_.Name(), kWidth, kHeight, gl::Filter::kNearest);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, hud.data());
    glUseProgram(present_.Name());
    glUniform1i(present_.Uniform("view"), 0);
    glUniform1i(present_.Uniform("hud"), 1);
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::string_view(driver) == "x11") {
      display_ = glXGetCurrentDisplay();
      drawable_ = glXGetCurrentDrawable();
      if (display_ == nullptr ||
          !epoxy_has_glx_extension(display_, 0, "GLX_MESA_copy_sub_buffer")) {
        display_ = nullptr;
      }
    }
    std::printf("present %s\n", display_ != nullptr ? "partial copy" : "whole picture and swap");
  }

 private:
  void Draw() override {
    const rm::Viewport& viewport = *handles_.viewport;
    glBindFramebuffer(GL_FRAMEBUFFER, viewTarget_.Name());
    glViewport(0, 0, kViewWidth, kViewHeight);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    const rm::Mat4 cameraWorld = viewport.Camera()->WorldTransform();
    rm::DrawScene(handles_.device->Context(), *handles_.sceneFrame, rm::Inverse(cameraWorld),
                  viewport.Projection(), viewport.ViewFrustum(), cameraWorld.Column(3),
                  "same-work floor");
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);

    // The picture as large as fits, centred; the bars and the HUD only on the first picture.
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window_.Window(), &width, &height);
    const double scale =
        std::min(static_cast<double>(width) / kWidth, static_cast<double>(height) / kHeight);
    const double originX = std::floor((width - kWidth * scale) / 2);
    const double originY = std::floor((height - kHeight * scale) / 2);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width, height);
    const bool whole = width != drawnWidth_ || height != drawnHeight_ || display_ == nullptr;
    if (whole) glClear(GL_COLOR_BUFFER_BIT);
    drawnWidth_ = width;
    drawnHeight_ = height;
    const Area area = whole ? Area{0, 0, width, height}
                            : Covered(originX, originY, scale, kViewX, kViewBottom,
                                      kViewX + kViewWidth, kViewBottom + kViewHeight);
    glEnable(GL_SCISSOR_TEST);
    glScissor(area.x, area.y, area.width, area.height);
    glUseProgram(present_.Name());
    glUniform2f(present_.Uniform("origin"), static_cast<float>(originX),
                static_cast<float>(originY));
    glUniform2f(present_.Uniform("pictureStep"), static_cast<float>(1 / scale),
                static_cast<float>(1 / scale));
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, hudTexture_.Name());
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, viewTexture_.Name());
    glBindVertexArray(vertexArray_.Name());
    glDrawArrays(GL_TRIANGLES, 0, 3);
    if (display_ != nullptr) {
      glXCopySubBufferMESA(display_, drawable_, area.x, area.y, area.width, area.height);
    } else {
      SDL_GL_SwapWindow(window_.Window());
    }
  }

  gl::Program present_;
  gl::Object viewTexture_{gl::Object::Type::kTexture};
  gl::Object viewDepth_{gl::Object::Type::kRenderbuffer};
  gl::Object viewTarget_{gl::Object::Type::kFramebuffer};
  gl::Object hudTexture_{gl::Object::Type::kTexture};
  gl::Object vertexArray_{gl::Object::Type::kVertexArray};
  ::Display* display_ = nullptr;
  GLXDrawable drawable_ = 0;
  int drawnWidth_ = 0;
  int drawnHeight_ = 0;
};

int Main(int argc, char** argv) {
  bool fullscreen = false;
  double seconds = 10;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--fullscreen") == 0) fullscreen = true;
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) seconds = std::stod(argv[++i]);
  }
  floor::FloorWindow window("Ursa same-work floor", fullscreen, false);
  SameWorkHost host(window);
  floor::PlayStageOne("same_work_floor", host, seconds, false);
  return 0;
}

}  // namespace
}  // namespace ursa

int main(int argc, char** argv) { return ursa::Main(argc, argv); }
