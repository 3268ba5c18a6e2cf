#pragma once
#include "platform/picture/Picture.h"

struct _XImage;

namespace fl {

// Where red, green and blue sit in a pixel value (the visual's masks).
struct ChannelMasks {
  unsigned long red = 0;
  unsigned long green = 0;
  unsigned long blue = 0;
};

// Converts the top-left width x height pixels of a ZPixmap image into opaque
// 0xAARRGGBB pixels at the top-left of picture. False when the pixel layout
// is not one of direct colour channels (palette visuals, odd pixel sizes).
bool CopyXImageRows(const _XImage& image, const ChannelMasks& masks, int width, int height, Picture& picture);

}  // namespace fl
