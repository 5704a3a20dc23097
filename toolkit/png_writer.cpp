// PNG output through libpng's simplified API, which needs no setjmp handling here.
// A write failure names the file and libpng's reason.
#include "toolkit/png_writer.hpp"

#include <png.h>

#include <cstring>

#include "toolkit/error.hpp"

namespace ursa::tk {

namespace {

png_image PngOf(const RgbImage& image) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  return png;
}

[[noreturn]] void Fail(png_image& png, const std::string& name) {
  const std::string why = png.message;
  png_image_free(&png);
  throw Error("cannot write the screenshot " + name + ": " + why);
}

}  // namespace

void WritePng(const RgbImage& image, const std::string& path) {
  png_image png = PngOf(image);
  if (png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), image.width * 3, nullptr) ==
      0) {
    Fail(png, path);
  }
}

void WritePng(const RgbImage& image, std::FILE* file, const std::string& name) {
  png_image png = PngOf(image);
  if (png_image_write_to_stdio(&png, file, 0, image.rgb.data(), image.width * 3, nullptr) == 0) {
    Fail(png, name);
  }
}

}  // namespace ursa::tk
