// The OpenGL error check: the first recorded error as a hexadecimal code, the rest drained.
// The drain is bounded, since a lost context may keep reporting errors.
#include "gl/error.hpp"

#include <array>
#include <cstdio>

#include "gl/gl_api.hpp"

namespace ursa::gl {

Error::Error(const std::string& operation, const std::string& detail)
    : std::runtime_error(operation + ": " + detail), operation_(operation), detail_(detail) {}

void Check(const std::string& operation) {
  const GLenum error = glGetError();
  if (error == GL_NO_ERROR) return;
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  std::array<char, 16> code{};
  std::snprintf(code.data(), code.size(), "0x%04X", error);
  throw Error(operation, std::string("OpenGL error ") + code.data());
}

}  // namespace ursa::gl
