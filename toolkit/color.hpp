// Colours as the game passes them: 24 bits packed with blue in the high byte
// (white 16777215, blue 16711680, black 0), and their conversion to pixel bytes.
#pragma once

#include <cstdint>

namespace ursa::tk {

inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlue = 0xFF0000;

constexpr uint32_t PackColour(uint8_t red, uint8_t green, uint8_t blue) {
  return red | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}
constexpr uint8_t RedOf(uint32_t colour) { return colour & 0xFF; }
constexpr uint8_t GreenOf(uint32_t colour) { return (colour >> 8) & 0xFF; }
constexpr uint8_t BlueOf(uint32_t colour) { return (colour >> 16) & 0xFF; }

// One channel cut to `bits` bits the way a 16-bit display mode stores it, then widened
// back to 8 bits by repeating its top bits, so full intensity stays 255 and black stays 0.
constexpr uint8_t ReduceChannel(uint8_t value, int bits) {
  const int kept = value >> (8 - bits);
  return static_cast<uint8_t>((kept << (8 - bits)) | (kept >> (2 * bits - 8)));
}

}  // namespace ursa::tk
