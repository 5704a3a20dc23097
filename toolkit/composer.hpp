// The 640 x 480 picture the player sees, composed in OpenGL: the window's backing image, the
// picture box's content while it is visible, and the 16-bit (5-6-5) reduction. Composing can
// be limited to the rectangle that changed; the rest of the picture keeps what it had.
#pragma once

#include <memory>

#include "gl/object.hpp"
#include "gl/program.hpp"
#include "toolkit/picture_size.hpp"
#include "toolkit/rect.hpp"
#include "toolkit/rgb_image.hpp"

struct SDL_Surface;

namespace ursa::tk {

// A device image as the 3D renderer leaves it: an RGBA8 texture without mipmaps, its filters
// not mipmapped (gl::DefineColorTexture makes such), row 0 at the bottom. It is read texel by
// texel; a texture that needs mipmaps would read as black.
struct DeviceImage {
  unsigned texture = 0;
  int width = 0;
  int height = 0;
};

class Composer {
 public:
  static constexpr Rect kWholeImage = kWholePicture;

  // Needs the window's OpenGL context current; `box` is the picture box's rectangle.
  explicit Composer(Rect box);
  Composer(const Composer&) = delete;
  Composer& operator=(const Composer&) = delete;

  // Takes a copy of `area` of the window's 640 x 480 backing image (y down).
  void UploadBacking(const SDL_Surface& backing, Rect area = kWholeImage);
  // The picture box's content becomes its background, black, as when it is shown.
  void ClearPicture() { pictureBlack_ = true; }
  // Builds the picture within `area` (window pixels, y down) only; the rest stays as last
  // composed. While the box is visible it shows `device` when given (its top-left corner at
  // the box's top-left, cut at the box's edges), else what it showed in the last picture.
  void Compose(bool pictureVisible, bool reduceTo16Bit, const DeviceImage* device = nullptr,
               Rect area = kWholeImage);
  // The picture, rows top to bottom.
  RgbImage ReadComposed();

  // The picture's texture (filtered linearly, for scaling) and the framebuffer drawing into it.
  unsigned Texture() const { return composedTexture_.Name(); }
  unsigned Framebuffer() const { return composedFramebuffer_.Name(); }

 private:
  // What the box shows: one of the compose shader's picture sources, and its texture.
  struct BoxPicture {
    int source = 0;
    unsigned texture = 0;
  };
  BoxPicture PictureFor(bool pictureVisible, bool reduceTo16Bit, const DeviceImage* device);
  // A copy of the picture as it is now; its texture name.
  unsigned CopyOfComposed();

  Rect box_;
  bool pictureBlack_ = true;
  gl::Program compose_;
  gl::Program composeDevice_;
  // Uniform locations, looked up once.
  int sourceAt_;
  int deviceSizeAt_;
  int reduceAt_;
  int offsetAt_;
  int deviceReduceAt_;
  gl::Object vertexArray_{gl::Object::Type::kVertexArray};
  gl::Object backingTexture_{gl::Object::Type::kTexture};
  // Composing writes only the area asked for, and in the box only when it has something new
  // to show, so the box keeps its last content without a copy.
  gl::Object composedTexture_{gl::Object::Type::kTexture};
  gl::Object composedFramebuffer_{gl::Object::Type::kFramebuffer};
  bool composedReduced_ = false;
  // Made the first time the 16-bit reduction is switched while the box keeps its content.
  struct ComposedCopy {
    gl::Object texture{gl::Object::Type::kTexture};
    gl::Object framebuffer{gl::Object::Type::kFramebuffer};
  };
  std::unique_ptr<ComposedCopy> copy_;
};

}  // namespace ursa::tk
