// GlObject: one OpenGL object of the renderer, deleted with its owner in the renderer's
// context and counted among the live objects. Internal to the layer.
#pragma once

#include "gl/object.hpp"
#include "view/rm/gl_context.hpp"

namespace ursa::rm {

class GlObject {
 public:
  using Type = gl::Object::Type;

  // Generates the object; the context must be current.
  GlObject(GlContextPtr context, Type type);
  ~GlObject();
  GlObject(const GlObject&) = delete;
  GlObject& operator=(const GlObject&) = delete;

  unsigned Name() const { return object_.Name(); }

 private:
  GlContextPtr context_;
  gl::Object object_;  // declared last, so it is deleted while the context is still held
};

}  // namespace ursa::rm
