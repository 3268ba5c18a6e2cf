#include "saver/ScreenBitmap.h"

#include <algorithm>
#include <optional>

#include "platform/Platform.h"
#include "platform/ScreenGrabber.h"
#include "platform/picture/PictureDrawing.h"
#include "saver/BmpWriter.h"

namespace fl {

void SaveScreenBitmap(const std::string& path, int width, int height, int depth) {
  std::optional<Picture> picture = CreatePicture(width, height);
  if (!picture) return;
  if (Sys().grabber != nullptr && !Sys().grabber->Grab(*picture)) {
    // A grab that failed half-way may have left part of a screen behind.
    std::fill(picture->pixels.begin(), picture->pixels.end(), 0xFF000000u);
  }
  WriteBmpFile(path, *picture, BmpBitsForDepth(depth));
}

}  // namespace fl
