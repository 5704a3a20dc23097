// Creation and deletion of single OpenGL objects, with their live counts.
// Deletion makes the context current first, since a destructor may run at any time.
#include "view/rm/gl_object.hpp"

#include <epoxy/gl.h>

#include <utility>

#include "view/rm/live_objects.hpp"

namespace ursa::rm {
namespace {

live::Kind KindOf(GlObject::Type type) {
  switch (type) {
    case GlObject::Type::kBuffer:
      return live::kGlBuffer;
    case GlObject::Type::kVertexArray:
      return live::kGlVertexArray;
    case GlObject::Type::kTexture:
      return live::kGlTexture;
    case GlObject::Type::kRenderbuffer:
      return live::kGlRenderbuffer;
    case GlObject::Type::kFramebuffer:
      return live::kGlFramebuffer;
  }
  return live::kGlBuffer;
}

}  // namespace

GlObject::GlObject(GlContextPtr context, Type type) : context_(std::move(context)), type_(type) {
  GLuint name = 0;
  switch (type_) {
    case Type::kBuffer:
      glGenBuffers(1, &name);
      break;
    case Type::kVertexArray:
      glGenVertexArrays(1, &name);
      break;
    case Type::kTexture:
      glGenTextures(1, &name);
      break;
    case Type::kRenderbuffer:
      glGenRenderbuffers(1, &name);
      break;
    case Type::kFramebuffer:
      glGenFramebuffers(1, &name);
      break;
  }
  name_ = name;
  live::Add(KindOf(type_), 1);
}

GlObject::~GlObject() {
  live::Add(KindOf(type_), -1);
  // Without a current context the object dies with the context itself.
  if (!context_->TryUse()) return;
  const GLuint name = name_;
  switch (type_) {
    case Type::kBuffer:
      glDeleteBuffers(1, &name);
      break;
    case Type::kVertexArray:
      glDeleteVertexArrays(1, &name);
      break;
    case Type::kTexture:
      glDeleteTextures(1, &name);
      break;
    case Type::kRenderbuffer:
      glDeleteRenderbuffers(1, &name);
      break;
    case Type::kFramebuffer:
      glDeleteFramebuffers(1, &name);
      break;
  }
}

}  // namespace ursa::rm
