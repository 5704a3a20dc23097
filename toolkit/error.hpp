// tk::Error: what a failing toolkit call throws: what failed, why, and how to fix it, in one
// sentence or two. The shell catches it and hands its text to Fatal.
#pragma once

#include <stdexcept>

namespace ursa::tk {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ursa::tk
