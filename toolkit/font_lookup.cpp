// Font lookup through fontconfig: match the family, then tell an exact hit from a stand-in.
// Only scalable faces qualify, since the text is drawn at 32 pixels.
#include "toolkit/font_lookup.hpp"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace ursa::tk {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
struct ConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

// A family name the pattern lists (a face may carry several, e.g. Latin and Japanese).
bool HasFamily(FcPattern* pattern, const std::string& family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

// The lookup loads fontconfig's configuration for itself and lets it go after: the game asks
// once, and fontconfig's own copy would stay in memory for the rest of the run.
std::optional<FontFile> FindFontFile(const std::string& family) {
  const ConfigPtr config(FcInitLoadConfigAndFonts());
  if (!config) return std::nullopt;
  PatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(config.get(), pattern.get(), &result));
  if (!match) return std::nullopt;
  FcChar8* file = nullptr;
  FcChar8* foundFamily = nullptr;
  FcBool scalable = FcFalse;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch ||
      FcPatternGetString(match.get(), FC_FAMILY, 0, &foundFamily) != FcResultMatch) {
    return std::nullopt;
  }
  if (FcPatternGetBool(match.get(), FC_SCALABLE, 0, &scalable) == FcResultMatch &&
      scalable == FcFalse) {
    return std::nullopt;
  }
  return FontFile{reinterpret_cast<const char*>(file), reinterpret_cast<const char*>(foundFamily),
                  HasFamily(match.get(), family)};
}

}  // namespace ursa::tk
