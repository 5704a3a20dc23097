// BMP headers and pixel rows for the screen picture and the icon.
// All multi-byte fields are little-endian, as the format requires.
#include "tools/screengen/bmp_file.hpp"

#include <fstream>

namespace ursa::screengen {
namespace {

constexpr uint32_t kPixelsPerMetre = 2834;  // 72 dots per inch

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::vector<uint8_t> Headers(const Canvas& picture, uint32_t infoSize, uint32_t bits,
                             uint32_t compression, uint32_t imageSize) {
  std::vector<uint8_t> out{'B', 'M'};
  const uint32_t offset = 14 + infoSize;
  Put32(out, offset + imageSize);
  Put32(out, 0);  // reserved
  Put32(out, offset);
  Put32(out, infoSize);
  Put32(out, static_cast<uint32_t>(picture.Width()));
  Put32(out, static_cast<uint32_t>(picture.Height()));  // positive: bottom row first
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, compression);
  Put32(out, imageSize);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // important colours
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& picture) {
  const uint32_t rowBytes = (static_cast<uint32_t>(picture.Width()) * 3 + 3) & ~3U;
  const uint32_t imageSize = rowBytes * static_cast<uint32_t>(picture.Height());
  std::vector<uint8_t> out = Headers(picture, 40, 24, 0, imageSize);
  for (int y = picture.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb c = picture.At(x, y);
      out.push_back(ToByte(c.b));
      out.push_back(ToByte(c.g));
      out.push_back(ToByte(c.r));
    }
    out.resize(start + rowBytes, 0);
  }
  return out;
}

std::vector<uint8_t> EncodeBmp32(const Canvas& picture) {
  const uint32_t imageSize =
      static_cast<uint32_t>(picture.Width()) * static_cast<uint32_t>(picture.Height()) * 4;
  constexpr uint32_t kBitFields = 3;
  std::vector<uint8_t> out = Headers(picture, 108, 32, kBitFields, imageSize);
  Put32(out, 0x00FF0000);               // red mask
  Put32(out, 0x0000FF00);               // green mask
  Put32(out, 0x000000FF);               // blue mask
  Put32(out, 0xFF000000);               // alpha mask
  Put32(out, 0x73524742);               // colour space "sRGB"
  out.resize(out.size() + 36 + 12, 0);  // end points and gamma, unused with sRGB
  for (int y = picture.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const uint8_t a = ToByte(picture.AlphaAt(x, y));
      const Rgb c = a == 0 ? Rgb{} : picture.At(x, y);
      out.push_back(ToByte(c.b));
      out.push_back(ToByte(c.g));
      out.push_back(ToByte(c.r));
      out.push_back(a);
    }
  }
  return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace ursa::screengen
