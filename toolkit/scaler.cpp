// The scaling pass in OpenGL 3.3 core: a blit where nearest pixel is enough, else a
// full-window triangle with sharp bilinear sampling that is exact nearest at whole scales;
// both cut to the area asked for.
#include "toolkit/scaler.hpp"

#include <cmath>

#include "gl/draw_state.hpp"
#include "gl/gl_api.hpp"
#include "toolkit/window_gl.hpp"

namespace ursa::tk {
namespace {

constexpr Rect kWholeImage = Composer::kWholeImage;
constexpr int kWidth = kWholeImage.width;
constexpr int kHeight = kWholeImage.height;

// Sharp bilinear: each texel is a flat block and only the seam between two blocks is
// blended, one output pixel wide. At a whole-number scale every output pixel lands on a
// texel centre, which is nearest-pixel enlargement.
constexpr const char* kScaleFragment = R"(#version 330 core
uniform sampler2D image;
uniform vec2 origin;
uniform vec2 outputSize;
out vec4 color;
void main() {
  vec2 imageSize = vec2(textureSize(image, 0));
  vec2 texel = (gl_FragCoord.xy - origin) / outputSize * imageSize;
  vec2 scale = max(outputSize / imageSize, vec2(1.0));
  vec2 region = 0.5 - 0.5 / scale;
  vec2 fromCentre = fract(texel) - 0.5;
  vec2 f = (fromCentre - clamp(fromCentre, -region, region)) * scale + 0.5;
  color = vec4(texture(image, (floor(texel) + f) / imageSize).rgb, 1.0);
}
)";

}  // namespace

Scaler::Scaler()
    : scale_(MakeWindowProgram(kScaleFragment)),
      originAt_(scale_.Uniform("origin")),
      outputSizeAt_(scale_.Uniform("outputSize")) {
  if (SoftwareRasteriser()) inBetweenScaling_ = InBetweenScaling::kNearest;
  glUseProgram(scale_.Name());
  glUniform1i(scale_.Uniform("image"), 0);
}

bool Scaler::SharpSeams(int width, int height) const {
  const Rect to = PictureRect(width, height, scaling_);
  const bool wholeNumber = to.width % kWidth == 0 && to.width / kWidth == to.height / kHeight;
  return !wholeNumber && inBetweenScaling_ == InBetweenScaling::kSharpBilinear;
}

Rect Scaler::WindowArea(int width, int height, Rect imageArea) const {
  imageArea = Intersection(imageArea, kWholeImage);
  if (imageArea.width == 0) return {};
  if (SharpSeams(width, height)) {
    imageArea = Intersection(
        {imageArea.x - 1, imageArea.y - 1, imageArea.width + 2, imageArea.height + 2}, kWholeImage);
  }
  const Rect to = PictureRect(width, height, scaling_);
  const double scaleX = static_cast<double>(to.width) / kWidth;
  const double scaleY = static_cast<double>(to.height) / kHeight;
  // Image rows count down from the top, the framebuffer's up from the bottom.
  const int imageBottom = kHeight - imageArea.y - imageArea.height;
  const int left = to.x + static_cast<int>(std::floor(imageArea.x * scaleX));
  const int right = to.x + static_cast<int>(std::ceil((imageArea.x + imageArea.width) * scaleX));
  const int bottom = to.y + static_cast<int>(std::floor(imageBottom * scaleY));
  const int top = to.y + static_cast<int>(std::ceil((imageBottom + imageArea.height) * scaleY));
  return Intersection({left, bottom, right - left, top - bottom}, to);
}

void Scaler::DrawScaled(const Composer& picture, unsigned framebuffer, int width, int height,
                        Rect windowArea, bool bars) {
  const Rect to = PictureRect(width, height, scaling_);
  gl::PlainDrawing();
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glEnable(GL_SCISSOR_TEST);
  if (bars) {
    // Black bars: only the two strips beside or above and below the picture are cleared.
    glClearColor(0, 0, 0, 1);
    const Rect barRects[] = {{0, 0, to.x, height},
                             {to.x + to.width, 0, width - to.x - to.width, height},
                             {0, 0, width, to.y},
                             {0, to.y + to.height, width, height - to.y - to.height}};
    for (const Rect& bar : barRects) {
      if (IsEmpty(bar)) continue;
      glScissor(bar.x, bar.y, bar.width, bar.height);
      glClear(GL_COLOR_BUFFER_BIT);
    }
  }
  // The whole mapping is drawn, cut to the area: each pixel gets the colour a full draw gives it.
  windowArea = Intersection(windowArea, to);
  if (IsEmpty(windowArea)) return;
  if (!SharpSeams(width, height)) {
    // Nearest-pixel enlargement is what a blit does, and a blit is the cheapest draw.
    glScissor(windowArea.x, windowArea.y, windowArea.width, windowArea.height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, picture.Framebuffer());
    glBlitFramebuffer(0, 0, kWidth, kHeight, to.x, to.y, to.x + to.width, to.y + to.height,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    CheckWindowGl("drawing the window");
    return;
  }
  gl::DrawInto(framebuffer, to, windowArea);
  glUseProgram(scale_.Name());
  glUniform2f(originAt_, static_cast<float>(to.x), static_cast<float>(to.y));
  glUniform2f(outputSizeAt_, static_cast<float>(to.width), static_cast<float>(to.height));
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, picture.Texture());
  glBindVertexArray(vertexArray_.Name());
  glDrawArrays(GL_TRIANGLES, 0, 3);
  CheckWindowGl("drawing the window");
}

}  // namespace ursa::tk
