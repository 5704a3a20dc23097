// gl::TextureChanges: which part of a texture its writer has drawn since its reader last looked,
// so a reader that keeps a copy of the texture's pixels can refresh only the part that changed.
#pragma once

#include <cstdint>

namespace ursa::gl {

// A rectangle of texels, rows counted from the top of the picture the texture holds.
struct TexelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
};

// The smallest rectangle holding both (an empty one adds nothing).
TexelRect Union(const TexelRect& a, const TexelRect& b);

// What a reader learns when it looks at a texture: `writer` names the writer's current run of
// drawing into that texture (0: the texture is not tracked, so any texel may have changed);
// `changed` is what was drawn since the last look.
struct TextureChange {
  uint64_t writer = 0;
  TexelRect changed;
};

// The writer's side. Track starts a new run for a texture whose texels are all new (a run the
// reader has never seen); Note adds drawn texels; Forget ends tracking when it is deleted.
// The one reader and the writers share one OpenGL context, so texture names are unique.
void TrackTexture(unsigned texture);
void NoteTextureChange(unsigned texture, const TexelRect& drawn);
void ForgetTexture(unsigned texture);

// The reader's side: the change since the last Take of this texture, and the slate cleared.
TextureChange TakeTextureChange(unsigned texture);

}  // namespace ursa::gl
