// The composing pass in OpenGL 3.3 core: a full-window triangle cut to the changed area,
// texel-exact, with the 5-6-5 reduction in float where the software rasteriser is fastest.
#include "toolkit/composer.hpp"

#include <SDL.h>

#include <algorithm>
#include <string>
#include <utility>

#include "gl/draw_state.hpp"
#include "gl/gl_api.hpp"
#include "gl/render_target.hpp"
#include "toolkit/error.hpp"
#include "toolkit/window_gl.hpp"

namespace ursa::tk {
namespace {

constexpr int kWidth = Composer::kWholeImage.width;
constexpr int kHeight = Composer::kWholeImage.height;

// Where the backing image's red, green and blue lie in a texel. The desktop uploads its
// B, G, R, A bytes as BGRA; OpenGL ES takes no BGRA upload, so the browser uploads the same
// bytes as RGBA and reads them back in their order here.
#ifdef __EMSCRIPTEN__
constexpr const char* kBackingOrder = "#define BACKING_RGB bgr\n";
constexpr GLenum kBackingFormat = GL_RGBA;
#else
constexpr const char* kBackingOrder = "#define BACKING_RGB rgb\n";
constexpr GLenum kBackingFormat = GL_BGRA;
#endif

// Window pixel (x, y down) from the framebuffer's row order (y up). The backing image is
// stored rows top to bottom; the device image and a copy of the composed image in OpenGL's
// order. Picture sources: 0 black, 1 device image, 2 what the box already shows (its pixels
// are left as they are), 3 the box's content read from the copy (to reduce it anew).
constexpr const char* kComposeFragment = R"(
uniform sampler2D backing;
uniform sampler2D picture;
uniform int pictureSource;
uniform ivec2 deviceSize;
uniform ivec4 box;
uniform bool reduceTo16Bit;
out vec4 color;
void main() {
  ivec2 at = ivec2(gl_FragCoord.xy);
  ivec2 window = ivec2(at.x, 479 - at.y);
  vec3 c = texelFetch(backing, window, 0).BACKING_RGB;
  ivec2 inBox = window - box.xy;
  if (pictureSource != -1 && all(greaterThanEqual(inBox, ivec2(0))) &&
      all(lessThan(inBox, box.zw))) {
    c = vec3(0.0);
    if (pictureSource == 1 && all(lessThan(inBox, deviceSize))) {
      c = texelFetch(picture, ivec2(inBox.x, deviceSize.y - 1 - inBox.y), 0).rgb;
    } else if (pictureSource == 2) {
      discard;
    } else if (pictureSource == 3) {
      c = texelFetch(picture, at, 0).rgb;
    }
  }
  if (reduceTo16Bit) c = Reduce565(c);
  color = vec4(c, 1.0);
}
)";

// Only the device image, in an area inside the box and inside the device image: a translated
// copy of its texels, the same colours as the whole compose gives. Nothing but the fetch and
// the reduction per pixel, since this pass runs on every frame of play.
constexpr const char* kComposeDeviceFragment = R"(
uniform sampler2D picture;
uniform ivec2 offset;
uniform bool reduceTo16Bit;
out vec4 color;
void main() {
  ivec2 texel = ivec2(gl_FragCoord.xy) + offset;
  vec3 c = texelFetch(picture, texel, 0).rgb;
  if (reduceTo16Bit) c = Reduce565(c);
  color = vec4(c, 1.0);
}
)";

// 5, 6 and 5 bits kept, widened back by repeating the top bits; in float, where every value is
// a small whole number and exact, because the software rasteriser runs float vectors much
// faster than per-channel integer shifts. Multiplies, not divides: by powers of two they are
// exact, and the last one's rounding is far below what storing as 8 bits rounds away.
constexpr const char* kReduce565 = R"(#version 330 core
vec3 Reduce565(vec3 c) {
  vec3 whole = floor(c * 255.0 + 0.5);
  vec3 kept = floor(whole * vec3(0.125, 0.25, 0.125));
  return (kept * vec3(8.0, 4.0, 8.0) + floor(kept * vec3(0.25, 0.0625, 0.25))) * (1.0 / 255.0);
}
)";

constexpr int kHidden = -1;
constexpr int kBlackPicture = 0;
constexpr int kDevicePicture = 1;
constexpr int kKeptPicture = 2;
constexpr int kCopiedPicture = 3;

// An image of the window: its texture read texel by texel or filtered, and its framebuffer.
void MakeTarget(const gl::Object& texture, const gl::Object& framebuffer, gl::Filter filter) {
  gl::DefineColorTexture(texture.Name(), kWidth, kHeight, filter);
  if (!gl::AttachTargets(framebuffer.Name(), texture.Name())) {
    throw Error("the window's OpenGL framebuffer is incomplete: OpenGL 3.3 core needed");
  }
}

}  // namespace

Composer::Composer(Rect box)
    : box_(box),
      compose_(MakeWindowProgram(std::string(kReduce565) + kBackingOrder + kComposeFragment)),
      composeDevice_(MakeWindowProgram(std::string(kReduce565) + kComposeDeviceFragment)),
      sourceAt_(compose_.Uniform("pictureSource")),
      deviceSizeAt_(compose_.Uniform("deviceSize")),
      reduceAt_(compose_.Uniform("reduceTo16Bit")),
      offsetAt_(composeDevice_.Uniform("offset")),
      deviceReduceAt_(composeDevice_.Uniform("reduceTo16Bit")) {
  // What never changes is set once: the texture units and the box.
  glUseProgram(compose_.Name());
  glUniform1i(compose_.Uniform("backing"), 0);
  glUniform1i(compose_.Uniform("picture"), 1);
  glUniform4i(compose_.Uniform("box"), box_.x, box_.y, box_.width, box_.height);
  glUseProgram(composeDevice_.Name());
  glUniform1i(composeDevice_.Uniform("picture"), 1);
  gl::DefineColorTexture(backingTexture_.Name(), kWidth, kHeight, gl::Filter::kNearest);
  MakeTarget(composedTexture_, composedFramebuffer_, gl::Filter::kLinear);
  gl::DrawInto(composedFramebuffer_.Name(), kWholeImage, kWholeImage);
  gl::PlainDrawing();
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  CheckWindowGl("setting up the window's image");
}

void Composer::UploadBacking(const SDL_Surface& backing, Rect area) {
  area = Intersection(area, kWholeImage);
  if (IsEmpty(area)) return;
  glBindTexture(GL_TEXTURE_2D, backingTexture_.Name());
  glPixelStorei(GL_UNPACK_ROW_LENGTH, backing.pitch / 4);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, area.x);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, area.y);
  // ARGB8888 words lie in memory as B, G, R, A bytes on the little-endian machines we run on.
  // The texture keeps the image's rows top to bottom, as the compose shader reads it.
  glTexSubImage2D(GL_TEXTURE_2D, 0, area.x, area.y, area.width, area.height, kBackingFormat,
                  GL_UNSIGNED_BYTE, backing.pixels);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  CheckWindowGl("copying the window image");
}

Composer::BoxPicture Composer::PictureFor(bool pictureVisible, bool reduceTo16Bit,
                                          const DeviceImage* device) {
  if (!pictureVisible) return {kHidden, 0};
  // From now on the box keeps what this picture shows in it.
  const bool black = std::exchange(pictureBlack_, false);
  if (device != nullptr) return {kDevicePicture, device->texture};
  if (black) return {kBlackPicture, 0};
  // The box keeps its content, reduced (or not) as the rest now is: read from a copy, since a
  // pass cannot read the image it writes.
  if (reduceTo16Bit != composedReduced_) return {kCopiedPicture, CopyOfComposed()};
  return {kKeptPicture, 0};
}

void Composer::Compose(bool pictureVisible, bool reduceTo16Bit, const DeviceImage* device,
                       Rect area) {
  area = Intersection(area, kWholeImage);
  if (IsEmpty(area)) return;
  const BoxPicture picture = PictureFor(pictureVisible, reduceTo16Bit, device);
  composedReduced_ = reduceTo16Bit;
  gl::DrawInto(composedFramebuffer_.Name(), kWholeImage,
               {area.x, kHeight - area.y - area.height, area.width, area.height});
  gl::PlainDrawing();
  glBindVertexArray(vertexArray_.Name());
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_2D, picture.texture);
  // Box pixels beyond a smaller device image are black: the whole compose draws those.
  if (picture.source == kDevicePicture && Contains(box_, area) &&
      Contains({box_.x, box_.y, device->width, device->height}, area)) {
    // A frame of the 3D view: the device image alone, the cheapest pass.
    glUseProgram(composeDevice_.Name());
    glUniform2i(offsetAt_, -box_.x, box_.y + device->height - kHeight);
    glUniform1i(deviceReduceAt_, reduceTo16Bit ? 1 : 0);
  } else {
    glUseProgram(compose_.Name());
    glUniform1i(sourceAt_, picture.source);
    glUniform2i(deviceSizeAt_, device != nullptr ? device->width : 0,
                device != nullptr ? device->height : 0);
    glUniform1i(reduceAt_, reduceTo16Bit ? 1 : 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, backingTexture_.Name());
  }
  glDrawArrays(GL_TRIANGLES, 0, 3);
  CheckWindowGl(device != nullptr ? "showing the 3D device's image" : "composing the window image");
}

unsigned Composer::CopyOfComposed() {
  if (!copy_) {
    copy_ = std::make_unique<ComposedCopy>();
    MakeTarget(copy_->texture, copy_->framebuffer, gl::Filter::kNearest);
  }
  glBindFramebuffer(GL_READ_FRAMEBUFFER, composedFramebuffer_.Name());
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, copy_->framebuffer.Name());
  glDisable(GL_SCISSOR_TEST);
  glBlitFramebuffer(0, 0, kWidth, kHeight, 0, 0, kWidth, kHeight, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  return copy_->texture.Name();
}

RgbImage Composer::ReadComposed() {
  RgbImage image{kWidth, kHeight, std::vector<uint8_t>(size_t{kWidth} * kHeight * 3)};
  glBindFramebuffer(GL_READ_FRAMEBUFFER, composedFramebuffer_.Name());
  // Read as RGBA, the one format OpenGL ES (the browser) reads an RGBA8 image in too.
  std::vector<uint8_t> bottomUp(size_t{kWidth} * kHeight * 4);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
  CheckWindowGl("reading the window image");
  for (int y = 0; y < kHeight; ++y) {
    const uint8_t* from = bottomUp.data() + size_t{kWidth} * 4 * (kHeight - 1 - y);
    uint8_t* to = image.rgb.data() + size_t{kWidth} * 3 * y;
    for (int x = 0; x < kWidth; ++x, from += 4, to += 3) std::copy_n(from, 3, to);
  }
  return image;
}

}  // namespace ursa::tk
