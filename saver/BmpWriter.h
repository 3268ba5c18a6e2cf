#pragma once
// Pictures as uncompressed BMP files: a 14-byte file header, a 40-byte
// information header, then the rows bottom-up, each padded to 4 bytes.
#include <string>

#include "platform/picture/Picture.h"

namespace fl {

// The BMP bytes of picture at 24 bits (blue, green, red) or 32 bits (blue,
// green, red and the picture's alpha byte); empty for an empty picture or any
// other depth.
std::string EncodeBmp(const Picture& picture, int bitsPerPixel);

// Creates or replaces the file; a write that fails leaves no file. False when
// nothing was written.
bool WriteBmpFile(const std::string& path, const Picture& picture, int bitsPerPixel);

// The BMP depth for pictures of a display of this depth: 24 bits up to 24,
// else 32.
int BmpBitsForDepth(int depth);

}  // namespace fl
