#pragma once
// Proof sheets: the pictures as the program will show them, for looking at while
// drawing. Nothing here is part of the artwork itself.
#include <string>

namespace fl::art {

// Writes proof PNGs into `folder`: every flake scaled and rotated as the snow
// draws them, over dark and light backgrounds, and PNG copies of the BMP pictures.
bool WriteProofs(const std::string& folder);

}  // namespace fl::art
