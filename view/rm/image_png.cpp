// PNG output through libpng's simplified API.
// RGBA8 rows from the top are exactly what it takes.
#include "view/rm/image_png.hpp"

#include <png.h>

#include "view/rm/error.hpp"

namespace ursa::rm {

void SavePng(const Image& image, const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  if (png_image_write_to_file(&png, path.c_str(), 0, image.rgba.data(), 0, nullptr) == 0) {
    throw Error("SavePng", path, png.message);
  }
}

}  // namespace ursa::rm
