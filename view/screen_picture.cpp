// The screen picture's bytes, included by the assembler straight from assets/screen.bmp
// (URSA_SCREEN_BMP, the file's absolute path), or in the browser as numbers the build wrote.
#include "view/screen_picture.hpp"

#ifdef __EMSCRIPTEN__

namespace {
alignas(16) const unsigned char kScreenBmp[] = {
#include "screen_bmp_numbers.inc"
};
}  // namespace

namespace ursa::view {

std::span<const std::byte> ScreenPictureBmp() { return std::as_bytes(std::span(kScreenBmp)); }

}  // namespace ursa::view

#else

asm(".section .rodata\n"
    ".balign 16\n"
    "ursa_screen_bmp_begin:\n"
    ".incbin \"" URSA_SCREEN_BMP
    "\"\n"
    "ursa_screen_bmp_end:\n"
    ".previous\n");

extern "C" const std::byte ursa_screen_bmp_begin[];
extern "C" const std::byte ursa_screen_bmp_end[];

namespace ursa::view {

std::span<const std::byte> ScreenPictureBmp() {
  return {ursa_screen_bmp_begin, ursa_screen_bmp_end};
}

}  // namespace ursa::view

#endif
