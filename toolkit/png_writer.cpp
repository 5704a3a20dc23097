// PNG output through libpng's simplified API, which needs no setjmp handling here.
// A write failure names the file and libpng's reason.
#include "toolkit/png_writer.hpp"

#include <png.h>

#include <cstring>

#include "toolkit/error.hpp"

namespace ursa::tk {

void WritePng(const RgbImage& image, const std::string& path) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), image.width * 3, nullptr) ==
      0) {
    const std::string why = png.message;
    png_image_free(&png);
    throw Error("cannot write the screenshot " + path + ": " + why);
  }
}

}  // namespace ursa::tk
