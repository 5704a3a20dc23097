// PNG output through libpng's simplified API.
// RGBA8 rows from the top are exactly what it takes.
#include "harness/image_png.hpp"

#include <png.h>

#include "view/rm/error.hpp"

namespace ursa::harness {

void SavePng(const rm::Image& image, const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  if (png_image_write_to_file(&png, path.c_str(), 0, image.rgba.data(), 0, nullptr) == 0) {
    throw rm::Error("SavePng", path, png.message);
  }
}

}  // namespace ursa::harness
