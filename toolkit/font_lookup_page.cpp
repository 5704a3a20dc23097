// The browser's font lookup: the page carries the game's one font, IPA P Gothic, in its data
// (with its licence beside the page), so every family asked for is answered with it.
#include "toolkit/font_lookup.hpp"
#include "toolkit/text_face.hpp"

namespace ursa::tk {

std::optional<FontFile> FindFontFile(const std::string& family) {
  return FontFile{"/fonts/ipagp.ttf", kGameFontFamily, family == kGameFontFamily};
}

}  // namespace ursa::tk
