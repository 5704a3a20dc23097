// The run timer's reading: at 50 frames a second one frame is two hundredths of a second.
#include "game/run_timer.hpp"

#include <cstdio>

namespace ursa {

std::string RunTimeText(int32_t frames) {
  const int64_t hundredths = int64_t{frames < 0 ? 0 : frames} * 2;
  const int64_t seconds = hundredths / 100;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld.%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60), static_cast<long long>(hundredths % 100));
  return text;
}

}  // namespace ursa
