// The screen picture's bytes, included by the assembler straight from assets/screen.bmp.
// URSA_SCREEN_BMP is the file's absolute path, given by the build.
#include "view/screen_picture.hpp"

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
