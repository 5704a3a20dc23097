// A linked OpenGL shader program built from vertex and fragment source, owned by value.
// Compile and link failures throw Error with the driver's log.
#pragma once

#include <epoxy/gl.h>

namespace ursa::tk {

class GlProgram {
 public:
  GlProgram(const char* vertexSource, const char* fragmentSource);
  ~GlProgram();
  GlProgram(const GlProgram&) = delete;
  GlProgram& operator=(const GlProgram&) = delete;

  GLuint Id() const { return id_; }
  GLint Uniform(const char* name) const { return glGetUniformLocation(id_, name); }

 private:
  GLuint id_ = 0;
};

}  // namespace ursa::tk
