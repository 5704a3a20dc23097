// Number text: a leading blank stands where a minus sign would be, so columns of
// numbers keep their digits aligned.
#include "toolkit/number_text.hpp"

namespace ursa::tk {

std::string Str(long long n) {
  const std::string digits = std::to_string(n);
  return n < 0 ? digits : " " + digits;
}

}  // namespace ursa::tk
