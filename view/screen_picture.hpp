// The screen picture (title above, ending below), built into the program so it can never
// go missing: the bytes of assets/screen.bmp.
#pragma once

#include <cstddef>
#include <span>

namespace ursa::view {

std::span<const std::byte> ScreenPictureBmp();

}  // namespace ursa::view
