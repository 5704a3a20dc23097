// Finding a font file by family name through fontconfig.
// When the family is not installed, fontconfig's closest installed face stands in.
#pragma once

#include <optional>
#include <string>

namespace ursa::tk {

struct FontFile {
  std::string path;
  std::string family;  // the family actually found
  bool exact = false;  // true when it is the family asked for
};

// The regular face of `family`, or the best installed substitute; nothing when no
// scalable face is installed at all.
std::optional<FontFile> FindFontFile(const std::string& family);

}  // namespace ursa::tk
