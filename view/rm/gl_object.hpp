// GlObject: one OpenGL buffer, vertex array, texture, renderbuffer or framebuffer, deleted
// with its owner and counted among the live objects. Internal to the layer.
#pragma once

#include "view/rm/gl_context.hpp"

namespace ursa::rm {

class GlObject {
 public:
  enum class Type { kBuffer, kVertexArray, kTexture, kRenderbuffer, kFramebuffer };

  // Generates the object; the context must be current.
  GlObject(GlContextPtr context, Type type);
  ~GlObject();
  GlObject(const GlObject&) = delete;
  GlObject& operator=(const GlObject&) = delete;

  unsigned name() const { return name_; }

 private:
  GlContextPtr context_;
  Type type_;
  unsigned name_ = 0;
};

}  // namespace ursa::rm
