// Windows BMP encoding of the screen picture (24-bit, bottom-up BGR, 54-byte header) and of
// the window icon (32-bit BGRA with an alpha mask in a 108-byte version 4 header).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/screengen/canvas.hpp"

namespace ursa::screengen {

// 24 bits per pixel, uncompressed, 2834 pixels per metre; rows padded to 4 bytes.
std::vector<uint8_t> EncodeBmp24(const Canvas& picture);
// 32 bits per pixel with straight alpha; fully transparent pixels are written as zeros.
std::vector<uint8_t> EncodeBmp32(const Canvas& picture);

// Writes the bytes; false when the file cannot be written.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace ursa::screengen
