// The program's directory: where the executable lies, and the mesh files beside it.
// No trailing separator, so paths are built as directory + "/name".
#pragma once

#include <string>

namespace ursa::tk {

// Throws Error when the platform cannot tell where the executable is.
std::string ProgramDirectory();

}  // namespace ursa::tk
