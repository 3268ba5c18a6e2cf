#include "tests/fakes/TempFolder.h"

#include <stdlib.h>

#include <filesystem>

namespace fl::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "frostlight-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::set<std::string> TempFolder::Names() const {
  std::set<std::string> names;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) names.insert(entry.path().filename());
  return names;
}

}  // namespace fl::test
