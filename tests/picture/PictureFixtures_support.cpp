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

bool WritePng(png_structp png, png_infop info, const PngSpec& spec, Bytes& out,
              std::vector<png_color>& palette, std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendToBytes, FlushNothing);
  png_set_check_for_invalid_index(png, 0);  // some tests want bad indices written
  png_set_IHDR(png, info, static_cast<png_uint_32>(spec.width), static_cast<png_uint_32>(spec.height),
               spec.bitDepth, spec.colourType, spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!spec.paletteAlpha.empty())
    png_set_tRNS(png, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()), nullptr);
  if (spec.transparentGrey) {
    png_color_16 colour{};
    colour.gray = *spec.transparentGrey;
    png_set_tRNS(png, info, nullptr, 0, &colour);
  }
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  return true;
}

}  // namespace

Bytes EncodePng(const PngSpec& spec) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<png_color> palette;
  for (std::uint32_t rgb : spec.palette)
    palette.push_back({static_cast<png_byte>(rgb >> 16), static_cast<png_byte>(rgb >> 8), static_cast<png_byte>(rgb)});
  const std::size_t rowBytes = spec.rows.size() / static_cast<std::size_t>(spec.height);
  Bytes rowCopy = spec.rows;
  std::vector<png_bytep> rows;
  for (int y = 0; y < spec.height; ++y) rows.push_back(rowCopy.data() + y * rowBytes);
  Bytes out;
  if (!WritePng(png, info, spec, out, palette, rows)) out.clear();
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes EncodeJpeg(const JpegSpec& spec) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);  // errors exit; fixtures are well-formed
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(spec.width);
  cinfo.image_height = static_cast<JDIMENSION>(spec.height);
  cinfo.input_components = spec.components;
  cinfo.in_color_space = spec.components == 1 ? JCS_GRAYSCALE : spec.components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (spec.components == 4) jpeg_set_colorspace(&cinfo, JCS_CMYK);  // writes the Adobe marker
  if (spec.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  Bytes samples = spec.samples;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = samples.data() + std::size_t{cinfo.next_scanline} * spec.width * spec.components;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return out;
}

Bytes BuildBmp(const BmpSpec& spec) {
  Bytes out;
  auto u16 = [&out](std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto u32 = [&u16](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  const std::uint32_t tables = static_cast<std::uint32_t>(spec.palette.size() * (spec.headerSize == 12 ? 3 : 4) +
                                                          spec.masks.size() * 4);
  const std::uint32_t offset = 14 + spec.headerSize + tables;
  out.push_back('B');
  out.push_back('M');
  u32(offset + static_cast<std::uint32_t>(spec.data.size()));
  u32(0);
  u32(offset);
  u32(spec.headerSize);
  if (spec.headerSize == 12) {
    u16(static_cast<std::uint32_t>(spec.width));
    u16(static_cast<std::uint32_t>(spec.height));
    u16(1);
    u16(static_cast<std::uint32_t>(spec.bitsPerPixel));
  } else {
    u32(static_cast<std::uint32_t>(spec.width));
    u32(static_cast<std::uint32_t>(spec.height));
    u16(1);
    u16(static_cast<std::uint32_t>(spec.bitsPerPixel));
    u32(spec.compression);
    u32(static_cast<std::uint32_t>(spec.data.size()));
    u32(0);
    u32(0);
    u32(spec.coloursUsed.value_or(static_cast<std::uint32_t>(spec.palette.size())));
    u32(0);
    out.resize(14 + spec.headerSize, 0);
  }
  for (std::uint32_t mask : spec.masks) u32(mask);
  for (std::uint32_t rgb : spec.palette) {
    out.push_back(static_cast<std::uint8_t>(rgb));
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    if (spec.headerSize != 12) out.push_back(0);
  }
  out.insert(out.end(), spec.data.begin(), spec.data.end());
  return out;
}

std::string WriteTempFile(const std::string& folder, const std::string& name, const Bytes& bytes) {
  const std::string path = folder + "/" + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  return path;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "frostlight-picture-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace fl::test
