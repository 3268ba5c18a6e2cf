#pragma once
#include <string>

namespace fl {

// Writes the top-left width x height pixels of what the screen shows to path as
// a BMP file, 24 bits deep for a depth up to 24, else 32. Reports nothing: no
// file when the picture cannot be made, a black one when the screen cannot be
// read, none when the write fails.
void SaveScreenBitmap(const std::string& path, int width, int height, int depth);

}  // namespace fl
