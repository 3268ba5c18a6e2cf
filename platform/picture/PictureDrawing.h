#pragma once
#include <optional>

#include "platform/picture/Picture.h"

namespace fl {

// A width x height picture of opaque black; nothing when a side is not positive
// or the size is beyond the picture limits.
std::optional<Picture> CreatePicture(int width, int height);

// Copies source at its own size with its top-left corner at (x, y) of dest,
// clipped to dest (negative positions allowed). Colour is copied, the source's
// alpha is not used and the pixels written are opaque.
void DrawPicture(Picture& dest, const Picture& source, int x, int y);

// Like DrawPicture, but the source is stretched to width x height, its
// proportions not kept, with a bilinear filter. Nothing is drawn for a non-positive size.
void DrawPictureStretched(Picture& dest, const Picture& source, int x, int y, int width, int height);

// Readies a decoded picture for a sprite. With pictureAlpha, a picture that
// carried its own transparency keeps its alpha; every other picture gets pure
// black as its transparent colour: black pixels get alpha 0, all others 255.
void ApplyPictureAlpha(Picture& picture, bool pictureAlpha);

}  // namespace fl
