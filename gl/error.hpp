// gl::Error and gl::Check: an OpenGL failure as an exception, naming what was being done and
// OpenGL's own account of it. Each layer wraps it in the error its callers expect.
#pragma once

#include <stdexcept>
#include <string>

namespace ursa::gl {

class Error : public std::runtime_error {
 public:
  // `operation`: what was being done; `detail`: the error code ("OpenGL error 0x0502") or the
  // shader compiler's log.
  Error(const std::string& operation, const std::string& detail);
  const std::string& Operation() const { return operation_; }
  const std::string& Detail() const { return detail_; }

 private:
  std::string operation_;
  std::string detail_;
};

// Throws Error naming `operation` when OpenGL has recorded an error since the last check.
// The errors after the first follow from it; they are cleared, so the next check starts clean.
// In the browser it asks OpenGL at most once a second, since each question stalls the frame.
void Check(const std::string& operation);

}  // namespace ursa::gl
