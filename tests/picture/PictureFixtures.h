#pragma once
// Small picture files made in memory for the tests, through libpng and libjpeg
// for PNG and JPEG and byte by byte for BMP.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/fakes/TempFolder.h"

namespace fl::test {

using Bytes = std::vector<std::uint8_t>;

struct PngLayout {
  int width = 1;
  int height = 1;
  int colourType = 2;  // PNG_COLOR_TYPE_RGB
  int bitDepth = 8;
  Bytes rows;  // the rows as PNG stores them, without filter bytes
  std::vector<std::uint32_t> palette;  // 0xRRGGBB
  Bytes paletteAlpha;  // tRNS of a palette picture
  std::optional<std::uint16_t> transparentGrey;  // tRNS of a grey picture
  bool interlaced = false;
};
Bytes EncodePng(const PngLayout& layout);

struct JpegLayout {
  int width = 8;
  int height = 8;
  int components = 3;  // 1 grey, 3 RGB, 4 CMYK (stored inverted, with the Adobe marker)
  Bytes samples;       // width x height x components
  bool progressive = false;
};
Bytes EncodeJpeg(const JpegLayout& layout);

struct BmpLayout {
  int width = 1;
  int height = 1;  // negative: rows top-down
  int bitsPerPixel = 24;
  std::uint32_t compression = 0;
  std::uint32_t headerSize = 40;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, written as B, G, R, 0
  std::optional<std::uint32_t> coloursUsed;  // written as palette.size() when unset
  std::vector<std::uint32_t> masks;  // written right after the header
  Bytes data;  // the pixel data as stored
};
Bytes BuildBmp(const BmpLayout& layout);

// Writes bytes to a file; returns the path.
std::string WriteTempFile(const std::string& folder, const std::string& name, const Bytes& bytes);


}  // namespace fl::test
