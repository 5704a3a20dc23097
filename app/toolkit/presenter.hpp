// Composes what the player sees and puts it on the window: the backing image, the picture
// box's last device image while it is visible, the 16-bit (5-6-5) reduction, then a sharp,
// aspect-correct scale to the window's drawable pixels with black borders.
#pragma once

#include <epoxy/gl.h>

#include <memory>

#include "app/toolkit/gl_program.hpp"
#include "app/toolkit/rect.hpp"
#include "app/toolkit/rgb_image.hpp"

struct SDL_Surface;

namespace ursa::tk {

class Presenter {
 public:
  // Needs the window's OpenGL context current; `box` is the picture box's rectangle.
  explicit Presenter(Rect box);
  ~Presenter();
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  // Takes a copy of the window's 640 x 480 backing image.
  void UploadBacking(const SDL_Surface& backing);
  // Fills the picture box's content with its background, black.
  void ClearPicture();
  // Copies a device image (RGBA8 texture, row 0 at the bottom) into the picture box, its
  // top-left corner at the box's top-left, cut at the box's edges.
  void CopyDeviceImage(GLuint texture, int width, int height);
  // Builds the 640 x 480 image the player sees.
  void Compose(bool pictureVisible, bool reduceTo16Bit);
  // Draws the composed image scaled into `framebuffer` (0: the window's) of the given size
  // in pixels, black around it.
  void DrawScaled(GLuint framebuffer, int width, int height);
  // The composed image, rows top to bottom.
  RgbImage ReadComposed();

 private:
  Rect box_;
  GLuint vertexArray_ = 0;
  GLuint backingTexture_ = 0, pictureTexture_ = 0, composedTexture_ = 0;
  GLuint pictureFramebuffer_ = 0, composedFramebuffer_ = 0, deviceFramebuffer_ = 0;
  std::unique_ptr<GlProgram> compose_;
  std::unique_ptr<GlProgram> scale_;
};

// Where a 640 x 480 image goes in a drawable of the given size: as large as fits with its
// aspect kept, centred; whole-number scales when the drawable is an exact multiple.
// In OpenGL window coordinates (y up), but centred so y direction does not matter.
Rect LetterboxRect(int drawableWidth, int drawableHeight);

}  // namespace ursa::tk
