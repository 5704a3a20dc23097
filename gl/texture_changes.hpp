// gl::TextureChanges: which part of a texture its writer has drawn since its reader last looked,
// so a reader that keeps a copy of the texture's pixels can refresh only the part that changed.
#pragma once

#include <cstdint>

#include "gl/rect.hpp"

namespace ursa::gl {

// What a reader learns when it looks at a texture: `writer` names the writer's current run of
// drawing into that texture (0: the texture is not tracked, so any texel may have changed);
// `changed` is what was drawn since the last look, in texels, rows counted from the top of
// the picture the texture holds.
struct TextureChange {
  uint64_t writer = 0;
  Rect changed;
};

// The writer's side. Track starts a new run for a texture whose texels are all new (a run the
// reader has never seen); Note adds drawn texels; Forget ends tracking when it is deleted.
// The one reader and the writers share one OpenGL context, so texture names are unique.
void TrackTexture(unsigned texture);
void NoteTextureChange(unsigned texture, const Rect& drawn);
void ForgetTexture(unsigned texture);

// The reader's side: the change since the last Take of this texture, and the slate cleared.
TextureChange TakeTextureChange(unsigned texture);

}  // namespace ursa::gl
