#pragma once
#include <string>

#include "platform/WallpaperSource.h"

namespace fl::test {

class FakeWallpaperSource : public WallpaperSource {
 public:
  std::string path;
  std::string style;

  std::string Path() override { return path; }
  std::string StyleText() override { return style; }
};

}  // namespace fl::test
