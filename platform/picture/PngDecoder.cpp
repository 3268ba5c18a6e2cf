// PNG through libpng: low bit depths, grey and tRNS are expanded to 8-bit
// RGBA and 16-bit samples scaled to 8 bits; palette indices we look up
// ourselves, so that an index beyond the palette is caught.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureLimits.h"
#include "platform/picture/PixelPacking.h"

namespace fl {
namespace {

struct PngSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset;
};

void ReadFromSource(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->size - source->offset) png_error(png, "truncated");
  std::memcpy(out, source->data + source->offset, length);
  source->offset += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// Each row holds one palette index per byte at its start; they become
// 0xAARRGGBB in place, from the right so that no index is overwritten before it
// is read. An index the palette lacks is damage.
bool ExpandIndexedRows(Picture& picture, png_const_colorp palette, int paletteSize, png_const_bytep alpha,
                       int alphaCount) {
  std::uint32_t colours[256];
  for (int i = 0; i < paletteSize && i < 256; ++i) {
    const std::uint32_t a = i < alphaCount ? alpha[i] : 0xFF;
    colours[i] = a << 24 | std::uint32_t{palette[i].red} << 16 | std::uint32_t{palette[i].green} << 8 | palette[i].blue;
  }
  for (int y = 0; y < picture.height; ++y) {
    std::uint32_t* row = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
    const auto* indices = reinterpret_cast<const std::uint8_t*>(row);
    for (int x = picture.width - 1; x >= 0; --x) {
      const std::uint8_t index = indices[x];
      if (index >= paletteSize) return false;
      row[x] = colours[index];
    }
  }
  return true;
}

// All libpng calls happen here, between setjmp and any longjmp from libpng;
// this frame holds only plain values so that the jump skips no destructor.
// The buffers it fills belong to the caller.
bool ReadPng(png_structp png, png_infop info, PngSource& source, Picture& picture,
             std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;

  png_set_read_fn(png, &source, ReadFromSource);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(png, kMaxPngChunkBytes);
  // Skip every chunk but those that make the picture: a small file of
  // compressed text chunks would otherwise be inflated and kept, megabytes each.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);

  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colourType = 0;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
  if (!PictureSizeAllowed(width, height)) return false;
  const std::uint64_t channels = png_get_channels(png, info);
  const std::uint64_t filteredRowBytes = (std::uint64_t{width} * bitDepth * channels + 7) / 8 + 1;
  if (filteredRowBytes * height > source.size * static_cast<std::uint64_t>(kMaxPngExpansion)) return false;

  const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  picture.hasTransparency = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || hasTrns;
  const bool indexed = colourType == PNG_COLOR_TYPE_PALETTE;

  if (indexed) {
    png_set_packing(png);  // one index per byte; we look them up ourselves
  } else {
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    if (!picture.hasTransparency) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != std::size_t{width} * (indexed ? 1 : 4)) return false;

  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(std::size_t{width} * height);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y)
    rows[y] = reinterpret_cast<png_bytep>(picture.pixels.data() + std::size_t{y} * width);
  png_read_image(png, rows.data());
  if (!indexed) {
    PackRgbaInPlace(picture.pixels);
    return true;
  }

  png_colorp palette = nullptr;
  int paletteSize = 0;
  png_bytep paletteAlpha = nullptr;
  int alphaCount = 0;
  if (!png_get_PLTE(png, info, &palette, &paletteSize)) return false;
  if (!hasTrns || !png_get_tRNS(png, info, &paletteAlpha, &alphaCount, nullptr)) alphaCount = 0;
  return ExpandIndexedRows(picture, palette, paletteSize, paletteAlpha, alphaCount);
}

}  // namespace

std::optional<Picture> DecodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return std::nullopt;
  }
  PngSource source{bytes.data(), bytes.size(), 0};
  Picture picture;
  std::vector<png_bytep> rows;
  bool ok = false;
  try {
    ok = ReadPng(png, info, source, picture, rows);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return std::nullopt;
  return picture;
}

}  // namespace fl
