// The composing and presenting passes in OpenGL 3.3 core: a full-window triangle per pass,
// texel-exact composing, and sharp bilinear scaling that is exact nearest at whole scales.
#include "app/toolkit/presenter.hpp"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "app/toolkit/canvas.hpp"
#include "app/toolkit/fatal.hpp"
#include "app/toolkit/gl_state_guard.hpp"

namespace ursa::tk {
namespace {

constexpr int kWidth = Canvas::kWidth;
constexpr int kHeight = Canvas::kHeight;

constexpr const char* kFullWindowVertex = R"(#version 330 core
void main() {
  vec2 corner = vec2((gl_VertexID << 1) & 2, gl_VertexID & 2);
  gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

// Window pixel (x, y down) from the framebuffer's row order (y up). The backing image is
// stored rows top to bottom, the picture box's content in OpenGL's order.
constexpr const char* kComposeFragment = R"(#version 330 core
uniform sampler2D backing;
uniform sampler2D picture;
uniform bool pictureVisible;
uniform ivec4 box;
uniform bool reduceTo16Bit;
out vec4 colour;
void main() {
  ivec2 at = ivec2(gl_FragCoord.xy);
  ivec2 window = ivec2(at.x, 479 - at.y);
  vec3 c = texelFetch(backing, window, 0).rgb;
  ivec2 inBox = window - box.xy;
  if (pictureVisible && all(greaterThanEqual(inBox, ivec2(0))) && all(lessThan(inBox, box.zw))) {
    c = texelFetch(picture, ivec2(inBox.x, box.w - 1 - inBox.y), 0).rgb;
  }
  if (reduceTo16Bit) {
    uvec3 bits = uvec3(5u, 6u, 5u);
    uvec3 kept = uvec3(round(c * 255.0)) >> (8u - bits);
    c = vec3((kept << (8u - bits)) | (kept >> (2u * bits - 8u))) / 255.0;
  }
  colour = vec4(c, 1.0);
}
)";

// Sharp bilinear: each texel is a flat block and only the seam between two blocks is
// blended, one output pixel wide. At a whole-number scale every output pixel lands on a
// texel centre, which is nearest-pixel enlargement.
constexpr const char* kScaleFragment = R"(#version 330 core
uniform sampler2D image;
uniform vec2 origin;
uniform vec2 outputSize;
out vec4 colour;
void main() {
  vec2 imageSize = vec2(textureSize(image, 0));
  vec2 texel = (gl_FragCoord.xy - origin) / outputSize * imageSize;
  vec2 scale = max(outputSize / imageSize, vec2(1.0));
  vec2 region = 0.5 - 0.5 / scale;
  vec2 fromCentre = fract(texel) - 0.5;
  vec2 f = (fromCentre - clamp(fromCentre, -region, region)) * scale + 0.5;
  colour = vec4(texture(image, (floor(texel) + f) / imageSize).rgb, 1.0);
}
)";

GLuint MakeTexture(int width, int height, GLint filter) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  return texture;
}

GLuint MakeFramebuffer(GLuint texture) {
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    glDeleteFramebuffers(1, &framebuffer);
    throw Error("the window's OpenGL framebuffer is incomplete: OpenGL 3.3 core needed");
  }
  return framebuffer;
}

}  // namespace

Rect LetterboxRect(int drawableWidth, int drawableHeight) {
  const double fit = std::min(static_cast<double>(drawableWidth) / kWidth,
                              static_cast<double>(drawableHeight) / kHeight);
  const int width = std::max(1, static_cast<int>(std::lround(kWidth * fit)));
  const int height = std::max(1, static_cast<int>(std::lround(kHeight * fit)));
  return {(drawableWidth - width) / 2, (drawableHeight - height) / 2, width, height};
}

Presenter::Presenter(Rect box) : box_(box) {
  GlStateGuard guard;
  compose_ = std::make_unique<GlProgram>(kFullWindowVertex, kComposeFragment);
  scale_ = std::make_unique<GlProgram>(kFullWindowVertex, kScaleFragment);
  glGenVertexArrays(1, &vertexArray_);
  backingTexture_ = MakeTexture(kWidth, kHeight, GL_NEAREST);
  pictureTexture_ = MakeTexture(box.width, box.height, GL_NEAREST);
  composedTexture_ = MakeTexture(kWidth, kHeight, GL_LINEAR);
  pictureFramebuffer_ = MakeFramebuffer(pictureTexture_);
  composedFramebuffer_ = MakeFramebuffer(composedTexture_);
  glGenFramebuffers(1, &deviceFramebuffer_);
  CheckGl("setting up the window's image");
  ClearPicture();
}

Presenter::~Presenter() {
  const GLuint framebuffers[] = {pictureFramebuffer_, composedFramebuffer_, deviceFramebuffer_};
  glDeleteFramebuffers(3, framebuffers);
  const GLuint textures[] = {backingTexture_, pictureTexture_, composedTexture_};
  glDeleteTextures(3, textures);
  glDeleteVertexArrays(1, &vertexArray_);
}

void Presenter::UploadBacking(const SDL_Surface& backing) {
  GlStateGuard guard;
  glPixelStorei(GL_UNPACK_ROW_LENGTH, backing.pitch / 4);
  glBindTexture(GL_TEXTURE_2D, backingTexture_);
  // ARGB8888 words lie in memory as B, G, R, A bytes on the little-endian machines we run on.
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kWidth, kHeight, GL_BGRA, GL_UNSIGNED_BYTE,
                  backing.pixels);
  CheckGl("copying the window image");
}

void Presenter::ClearPicture() {
  GlStateGuard guard;
  glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer_);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  CheckGl("clearing the picture box");
}

void Presenter::CopyDeviceImage(GLuint texture, int width, int height) {
  GlStateGuard guard;
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, pictureFramebuffer_);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, deviceFramebuffer_);
  glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  if (glCheckFramebufferStatus(GL_READ_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    throw Error("the 3D device's image cannot be shown: its texture is not a colour image");
  }
  // The device image's top rows are the highest in OpenGL's order; they meet the box's top.
  const int copyWidth = std::min(width, box_.width);
  const int copyHeight = std::min(height, box_.height);
  glBlitFramebuffer(0, height - copyHeight, copyWidth, height, 0, box_.height - copyHeight,
                    copyWidth, box_.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
  CheckGl("showing the 3D device's image");
}

void Presenter::Compose(bool pictureVisible, bool reduceTo16Bit) {
  GlStateGuard guard;
  glBindFramebuffer(GL_FRAMEBUFFER, composedFramebuffer_);
  glViewport(0, 0, kWidth, kHeight);
  glUseProgram(compose_->Id());
  glUniform1i(compose_->Uniform("backing"), 0);
  glUniform1i(compose_->Uniform("picture"), 1);
  glUniform1i(compose_->Uniform("pictureVisible"), pictureVisible ? 1 : 0);
  glUniform4i(compose_->Uniform("box"), box_.x, box_.y, box_.width, box_.height);
  glUniform1i(compose_->Uniform("reduceTo16Bit"), reduceTo16Bit ? 1 : 0);
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_2D, pictureTexture_);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, backingTexture_);
  glBindVertexArray(vertexArray_);
  glDrawArrays(GL_TRIANGLES, 0, 3);
  CheckGl("composing the window image");
}

void Presenter::DrawScaled(GLuint framebuffer, int width, int height) {
  GlStateGuard guard;
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glViewport(0, 0, width, height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  const Rect to = LetterboxRect(width, height);
  glViewport(to.x, to.y, to.width, to.height);
  glUseProgram(scale_->Id());
  glUniform1i(scale_->Uniform("image"), 0);
  glUniform2f(scale_->Uniform("origin"), static_cast<float>(to.x), static_cast<float>(to.y));
  glUniform2f(scale_->Uniform("outputSize"), static_cast<float>(to.width),
              static_cast<float>(to.height));
  glBindTexture(GL_TEXTURE_2D, composedTexture_);
  glBindVertexArray(vertexArray_);
  glDrawArrays(GL_TRIANGLES, 0, 3);
  CheckGl("drawing the window");
}

RgbImage Presenter::ReadComposed() {
  GlStateGuard guard;
  RgbImage image{kWidth, kHeight, std::vector<uint8_t>(size_t{kWidth} * kHeight * 3)};
  glBindFramebuffer(GL_READ_FRAMEBUFFER, composedFramebuffer_);
  std::vector<uint8_t> bottomUp(image.rgb.size());
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
  CheckGl("reading the window image");
  const size_t rowBytes = size_t{kWidth} * 3;
  for (int y = 0; y < kHeight; ++y) {
    std::copy_n(bottomUp.data() + (kHeight - 1 - y) * rowBytes, rowBytes,
                image.rgb.data() + y * rowBytes);
  }
  return image;
}

}  // namespace ursa::tk
