#include "platform/ttf/FontMatch.h"

#include <fontconfig/fontconfig.h>

namespace fl {

std::optional<FontFile> FindFontFile(const std::string& face) {
  if (FcInit() == FcFalse) return std::nullopt;
  // The family is set as a plain value, not parsed as a font name, so that
  // "-" and ":" in a face name are taken literally.
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;

  std::optional<FontFile> found;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
    found = FontFile{reinterpret_cast<const char*>(file), 0};
    FcPatternGetInteger(match, FC_INDEX, 0, &found->index);
  }
  FcPatternDestroy(match);
  return found;
}

}  // namespace fl
