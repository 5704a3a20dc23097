// gl::Object: one OpenGL buffer, vertex array, texture, renderbuffer or framebuffer, generated
// with its owner and deleted with it, in the context current at each time.
#pragma once

namespace ursa::gl {

class Object {
 public:
  enum class Type { kBuffer, kVertexArray, kTexture, kRenderbuffer, kFramebuffer };

  // Generates the object; its context must be current.
  explicit Object(Type type);
  // Deletes the object; its context must be current, or the object abandoned.
  ~Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  Type Kind() const { return type_; }
  unsigned Name() const { return name_; }
  // Forgets the object without deleting it, for when its context is gone with it.
  void Abandon() { name_ = 0; }

 private:
  Type type_;
  unsigned name_ = 0;
};

}  // namespace ursa::gl
