// rm::Error's message assembly.
// Keeps every failure in the same "operation: file: why" shape.
#include "view/rm/error.hpp"

namespace ursa::rm {

Error::Error(const std::string& operation, const std::string& file, const std::string& why)
    : std::runtime_error(operation + ": " + file + ": " + why) {}

Error::Error(const std::string& operation, const std::string& why)
    : std::runtime_error(operation + ": " + why) {}

}  // namespace ursa::rm
