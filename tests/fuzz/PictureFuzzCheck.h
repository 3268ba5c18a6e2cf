#pragma once
// What every picture fuzz target checks of a decoded picture: its size is
// within the limits, its buffer holds every pixel, a picture without
// transparency of its own is opaque, and the black key leaves only fully
// transparent or fully opaque pixels. Every pixel is read, so that the
// sanitizers see a short or uninitialised buffer.
#include <cstdlib>

#include "platform/picture/Picture.h"
#include "platform/picture/PictureDrawing.h"
#include "platform/picture/PictureLimits.h"

inline void CheckDecodedPicture(fl::Picture& picture) {
  if (!fl::PictureSizeAllowed(picture.width, picture.height)) std::abort();
  if (picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
    std::abort();
  if (!picture.hasTransparency) {
    for (std::uint32_t pixel : picture.pixels)
      if (pixel >> 24 != 0xFF) std::abort();
  }
  fl::ApplyPictureAlpha(picture, false);
  for (std::uint32_t pixel : picture.pixels)
    if (pixel != 0 && pixel >> 24 != 0xFF) std::abort();
}
