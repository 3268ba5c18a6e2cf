#include "saver/FlakePicture.h"

#include <string_view>

#include "assets/EmbeddedFiles.h"

namespace fl {

std::span<const std::uint8_t> FlakePicture(int type) {
  // A hand-edited config.ini can hold any flake type; those fall back to the first.
  static constexpr std::string_view kNames[] = {"flake1.png", "flake2.png", "flake3.png", "flake4.png",
                                                "flake5.png", "flake6.png", "flake7.png", "flake8.png"};
  if (type < 1 || type > 8) type = 1;
  return EmbeddedFile(kNames[type - 1]);
}

}  // namespace fl
