// Number text: how every number shown to the player is turned into a string.
// A blank and the digits for zero or more, a minus sign and the digits below zero.
#pragma once

#include <string>

namespace ursa::tk {

std::string Str(long long n);

}  // namespace ursa::tk
