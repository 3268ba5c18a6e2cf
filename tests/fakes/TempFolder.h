#pragma once
#include <set>
#include <string>

namespace fl::test {

// A fresh folder under the temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // The names of the entries in the folder.
  std::set<std::string> Names() const;

 private:
  std::string path_;
};

}  // namespace fl::test
