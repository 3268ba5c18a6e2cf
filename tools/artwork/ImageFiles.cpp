#include "ImageFiles.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace fl::art {

bool WritePng(const std::string& path, const Image& image) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  // No colour-space chunks: the pictures are plain 8-bit sRGB and stay small.
  png.flags = PNG_IMAGE_FLAG_COLORSPACE_NOT_sRGB;
  static_assert(sizeof(Pixel) == 4);
  const bool ok = png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
  if (!ok) std::fprintf(stderr, "%s: %s\n", path.c_str(), png.message);
  png_image_free(&png);
  return ok;
}

bool WriteJpeg(const std::string& path, const Image& image, int quality) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct jpeg;
  jpeg_error_mgr errors;
  jpeg.err = jpeg_std_error(&errors);  // a libjpeg error ends this tool with a message
  jpeg_create_compress(&jpeg);
  jpeg_stdio_dest(&jpeg, file);
  jpeg.image_width = static_cast<JDIMENSION>(image.width);
  jpeg.image_height = static_cast<JDIMENSION>(image.height);
  jpeg.input_components = 3;
  jpeg.in_color_space = JCS_RGB;
  jpeg_set_defaults(&jpeg);
  jpeg_set_quality(&jpeg, quality, TRUE);
  jpeg.optimize_coding = TRUE;
  jpeg_start_compress(&jpeg, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(image.width) * 3);
  while (jpeg.next_scanline < jpeg.image_height) {
    const int y = static_cast<int>(jpeg.next_scanline);
    for (int x = 0; x < image.width; ++x) {
      const Pixel& p = image.At(x, y);
      row[x * 3 + 0] = p.r;
      row[x * 3 + 1] = p.g;
      row[x * 3 + 2] = p.b;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&jpeg, rows, 1);
  }
  jpeg_finish_compress(&jpeg);
  jpeg_destroy_compress(&jpeg);
  return std::fclose(file) == 0;
}

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

unsigned FiveBits(std::uint8_t v, int x, int y) {
  static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const unsigned level = (v * 31u * 16u + static_cast<unsigned>(kBayer[y & 3][x & 3]) * 255u + 127u) / (255u * 16u);
  return level > 31 ? 31 : level;
}

bool WriteBmp(const std::string& path, const Image& image, int bitsPerPixel) {
  if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) return false;
  const unsigned rowBytes = (static_cast<unsigned>(image.width) * bitsPerPixel / 8 + 3) & ~3u;
  const unsigned pixelBytes = rowBytes * static_cast<unsigned>(image.height);
  const unsigned headerBytes = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(headerBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, headerBytes + pixelBytes);
  Put32(out, 0);
  Put32(out, headerBytes);
  Put32(out, 40);
  Put32(out, static_cast<unsigned>(image.width));
  Put32(out, static_cast<unsigned>(image.height));  // positive: rows bottom-up
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Pixel& p = image.At(x, y);
      if (bitsPerPixel == 16) {
        Put16(out, FiveBits(p.r, x, y) << 10 | FiveBits(p.g, x, y) << 5 | FiveBits(p.b, x, y));
      } else {
        out.push_back(p.b);
        out.push_back(p.g);
        out.push_back(p.r);
        if (bitsPerPixel == 32) out.push_back(255);
      }
    }
    out.resize(rowStart + rowBytes, 0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace fl::art
