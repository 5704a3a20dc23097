// rm::Error: the one failure every retained-mode operation reports.
// Its message names the operation, the file when there is one, and why it failed.
#pragma once

#include <stdexcept>
#include <string>

namespace ursa::rm {

class Error : public std::runtime_error {
 public:
  // "operation: file: why", or "operation: why" without a file.
  Error(const std::string& operation, const std::string& file, const std::string& why);
  Error(const std::string& operation, const std::string& why);
};

}  // namespace ursa::rm
