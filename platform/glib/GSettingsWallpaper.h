#pragma once
#include "platform/WallpaperSource.h"

namespace fl {

// The desktop background of the GSettings schema org.gnome.desktop.background.
// A machine without that schema simply has no wallpaper.
class GSettingsWallpaper : public WallpaperSource {
 public:
  // The local file of picture-uri (picture-uri-dark when the desktop prefers
  // dark colours); empty for no picture, picture-options "none" or a URI
  // that does not name a local file.
  std::string Path() override;
  // "0" (tile) for picture-options "wallpaper" and "centered", "2" (stretch)
  // for the scaling options; empty when the option cannot be read.
  std::string StyleText() override;
};

}  // namespace fl
