// Image1, the image control: holds the screen picture, is never shown itself and is only
// copied from. Loaded from a BMP file or from BMP bytes built into the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "toolkit/surface.hpp"

namespace ursa::tk {

class Image {
 public:
  // Both throw Error (naming the file, or "built-in picture") when the data is no BMP
  // SDL can read; the previous picture is kept then.
  void LoadFromFile(const std::string& path);
  void LoadFromMemory(const void* data, size_t size);

  bool Empty() const { return !surface_; }
  int Width() const;
  int Height() const;
  // The packed color of a pixel (blue in the high byte); the caller keeps x, y inside.
  uint32_t Pixel(int x, int y) const;

 private:
  void Take(SDL_Surface* loaded, const std::string& source);

  SurfacePtr surface_;  // always ARGB8888 once loaded
};

}  // namespace ursa::tk
