// Generating and deleting single OpenGL objects through the call pair of their type.
// A zero name (abandoned) is never deleted.
#include "gl/object.hpp"

#include "gl/gl_api.hpp"

namespace ursa::gl {
namespace {

// Every type's calls share one shape: glGen*(n, names) and glDelete*(n, names).
struct Calls {
  void (*generate)(GLsizei, GLuint*);
  void (*remove)(GLsizei, const GLuint*);
};

Calls CallsOf(Object::Type type) {
  switch (type) {
    case Object::Type::kBuffer:
      return {glGenBuffers, glDeleteBuffers};
    case Object::Type::kVertexArray:
      return {glGenVertexArrays, glDeleteVertexArrays};
    case Object::Type::kTexture:
      return {glGenTextures, glDeleteTextures};
    case Object::Type::kRenderbuffer:
      return {glGenRenderbuffers, glDeleteRenderbuffers};
    case Object::Type::kFramebuffer:
      return {glGenFramebuffers, glDeleteFramebuffers};
  }
  return {glGenBuffers, glDeleteBuffers};
}

}  // namespace

Object::Object(Type type) : type_(type) {
  GLuint name = 0;
  CallsOf(type_).generate(1, &name);
  name_ = name;
}

Object::~Object() {
  if (name_ == 0) return;
  const GLuint name = name_;
  CallsOf(type_).remove(1, &name);
}

}  // namespace ursa::gl
