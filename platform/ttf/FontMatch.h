#pragma once
#include <optional>
#include <string>

namespace fl {

struct FontFile {
  std::string path;
  int index = 0;  // face number inside a font collection
};

// The installed scalable face that best matches a face name at normal weight,
// upright: a metric-compatible substitute when the named face is missing, the
// default sans face when nothing is close. Nothing only when no font is usable.
std::optional<FontFile> FindFontFile(const std::string& face);

}  // namespace fl
