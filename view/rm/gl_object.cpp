// The renderer's OpenGL objects with their live counts. Deletion makes the context current
// first, since a destructor may run at any time; without a context the object dies with it.
#include "view/rm/gl_object.hpp"

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

GlObject::GlObject(GlContextPtr context, Type type) : context_(std::move(context)), object_(type) {
  live::Add(KindOf(type), 1);
}

GlObject::~GlObject() {
  live::Add(KindOf(object_.Kind()), -1);
  if (!context_->TryUse()) object_.Abandon();
}

}  // namespace ursa::rm
