#pragma once
// Writers for the three picture formats the program reads.
#include <cstdint>
#include <string>

#include "Canvas.h"

namespace fl::art {

// Colour with alpha, 8 bits per channel.
bool WritePng(const std::string& path, const Image& image);
// Baseline JPEG of the colour channels.
bool WriteJpeg(const std::string& path, const Image& image, int quality);
// Uncompressed (BI_RGB) BMP, bottom-up, of 16 (5 bits per colour), 24 or 32 bits per
// pixel; the fourth byte of a 32-bit pixel is the unused byte and is written as 255.
bool WriteBmp(const std::string& path, const Image& image, int bitsPerPixel);

// The 5-bit level a 16-bit BMP stores for an 8-bit value at pixel (x, y): ordered
// dithering keeps gentle gradients from falling into bands.
unsigned FiveBits(std::uint8_t v, int x, int y);

}  // namespace fl::art
