// Colors as the game passes them: 24 bits packed with blue in the high byte
// (white 16777215, blue 16711680, black 0), and their conversion to pixel bytes.
#pragma once

#include <cstdint>

namespace ursa::tk {

inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlue = 0xFF0000;

constexpr uint32_t PackColor(uint8_t red, uint8_t green, uint8_t blue) {
  return red | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}
constexpr uint8_t RedOf(uint32_t color) { return color & 0xFF; }
constexpr uint8_t GreenOf(uint32_t color) { return (color >> 8) & 0xFF; }
constexpr uint8_t BlueOf(uint32_t color) { return (color >> 16) & 0xFF; }

}  // namespace ursa::tk
