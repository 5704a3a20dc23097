// The OpenGL error check: the first recorded error as a hexadecimal code, the rest drained.
// The drain is bounded, since a lost context may keep reporting errors.
#include "gl/error.hpp"

#include <array>
#include <cstdio>
#ifdef __EMSCRIPTEN__
#include <chrono>
#endif

#include "gl/gl_api.hpp"

namespace ursa::gl {
namespace {

#ifdef __EMSCRIPTEN__
// In the browser, asking WebGL for its error waits until the GPU process has carried out every
// command sent before it; a few such waits in each frame push frames past their tick. So the
// page asks at most once a second. OpenGL keeps an error until it is asked for, so none is
// lost: it is reported by the first check that asks, a second late at most.
constexpr const char* kLateNote =
    " (recorded within the second before: the page asks once a second)";

bool AskNow() {
  using Clock = std::chrono::steady_clock;
  static bool asked = false;
  static Clock::time_point lastAsked;
  const Clock::time_point now = Clock::now();
  if (asked && now - lastAsked < std::chrono::seconds(1)) return false;
  asked = true;
  lastAsked = now;
  return true;
}
#else
constexpr const char* kLateNote = "";

bool AskNow() { return true; }
#endif

}  // namespace

Error::Error(const std::string& operation, const std::string& detail)
    : std::runtime_error(operation + ": " + detail), operation_(operation), detail_(detail) {}

void Check(const std::string& operation) {
  if (!AskNow()) return;
  const GLenum error = glGetError();
  if (error == GL_NO_ERROR) return;
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  std::array<char, 16> code{};
  std::snprintf(code.data(), code.size(), "0x%04X", error);
  throw Error(operation, std::string("OpenGL error ") + code.data() + kLateNote);
}

}  // namespace ursa::gl
