#include "tests/picture/PictureFixtures.h"

#include <png.h>
#include <cstdio>
#include <jpeglib.h>
#include <stdlib.h>
#include <unistd.h>

#include <csetjmp>
#include <filesystem>
#include <fstream>

namespace fl::test {
namespace {

void AppendToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

bool WritePng(png_structp png, png_infop info, const PngLayout& layout, Bytes& out,
              std::vector<png_color>& palette, std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendToBytes, FlushNothing);
  png_set_check_for_invalid_index(png, 0);  // some tests want bad indices written
  png_set_IHDR(png, info, static_cast<png_uint_32>(layout.width), static_cast<png_uint_32>(layout.height),
               layout.bitDepth, layout.colourType, layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!layout.paletteAlpha.empty())
    png_set_tRNS(png, info, layout.paletteAlpha.data(), static_cast<int>(layout.paletteAlpha.size()), nullptr);
  if (layout.transparentGrey) {
    png_color_16 colour{};
    colour.gray = *layout.transparentGrey;
    png_set_tRNS(png, info, nullptr, 0, &colour);
  }
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  return true;
}

}  // namespace

Bytes EncodePng(const PngLayout& layout) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<png_color> palette;
  for (std::uint32_t rgb : layout.palette)
    palette.push_back({static_cast<png_byte>(rgb >> 16), static_cast<png_byte>(rgb >> 8), static_cast<png_byte>(rgb)});
  const std::size_t rowBytes = layout.rows.size() / static_cast<std::size_t>(layout.height);
  Bytes rowCopy = layout.rows;
  std::vector<png_bytep> rows;
  for (int y = 0; y < layout.height; ++y) rows.push_back(rowCopy.data() + y * rowBytes);
  Bytes out;
  if (!WritePng(png, info, layout, out, palette, rows)) out.clear();
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes EncodeJpeg(const JpegLayout& layout) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);  // errors exit; fixtures are well-formed
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(layout.width);
  cinfo.image_height = static_cast<JDIMENSION>(layout.height);
  cinfo.input_components = layout.components;
  cinfo.in_color_space = layout.components == 1 ? JCS_GRAYSCALE : layout.components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (layout.components == 4) jpeg_set_colorspace(&cinfo, JCS_CMYK);  // writes the Adobe marker
  if (layout.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  Bytes samples = layout.samples;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = samples.data() + std::size_t{cinfo.next_scanline} * layout.width * layout.components;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return out;
}

Bytes BuildBmp(const BmpLayout& layout) {
  Bytes out;
  auto u16 = [&out](std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto u32 = [&u16](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  const std::uint32_t tables = static_cast<std::uint32_t>(layout.palette.size() * (layout.headerSize == 12 ? 3 : 4) +
                                                          layout.masks.size() * 4);
  const std::uint32_t offset = 14 + layout.headerSize + tables;
  out.push_back('B');
  out.push_back('M');
  u32(offset + static_cast<std::uint32_t>(layout.data.size()));
  u32(0);
  u32(offset);
  u32(layout.headerSize);
  if (layout.headerSize == 12) {
    u16(static_cast<std::uint32_t>(layout.width));
    u16(static_cast<std::uint32_t>(layout.height));
    u16(1);
    u16(static_cast<std::uint32_t>(layout.bitsPerPixel));
  } else {
    u32(static_cast<std::uint32_t>(layout.width));
    u32(static_cast<std::uint32_t>(layout.height));
    u16(1);
    u16(static_cast<std::uint32_t>(layout.bitsPerPixel));
    u32(layout.compression);
    u32(static_cast<std::uint32_t>(layout.data.size()));
    u32(0);
    u32(0);
    u32(layout.coloursUsed.value_or(static_cast<std::uint32_t>(layout.palette.size())));
    u32(0);
    out.resize(14 + layout.headerSize, 0);
  }
  for (std::uint32_t mask : layout.masks) u32(mask);
  for (std::uint32_t rgb : layout.palette) {
    out.push_back(static_cast<std::uint8_t>(rgb));
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    if (layout.headerSize != 12) out.push_back(0);
  }
  out.insert(out.end(), layout.data.begin(), layout.data.end());
  return out;
}

std::string WriteTempFile(const std::string& folder, const std::string& name, const Bytes& bytes) {
  const std::string path = folder + "/" + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace fl::test
