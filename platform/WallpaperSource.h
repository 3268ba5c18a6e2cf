#pragma once
#include <string>

namespace fl {

// The desktop's wallpaper setting.
class WallpaperSource {
 public:
  virtual ~WallpaperSource() = default;
  // Path of the wallpaper file; empty when none is set.
  virtual std::string Path() = 0;
  // The style as a number text: "0" tiles, any other number stretches; empty when unknown.
  virtual std::string StyleText() = 0;
};

}  // namespace fl
