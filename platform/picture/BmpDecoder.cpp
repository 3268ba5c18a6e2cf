// BMP through SDL's reader. The header is checked here first, so that SDL only
// ever sees files whose size and layout are plausible and within our limits.
#include <SDL.h>

#include <new>

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureLimits.h"

namespace fl {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8;
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | U16(b, at + 2) << 16;
}

// True when the file is a BMP of a kind we read whose pixel data can be there.
bool HeaderPlausible(std::span<const std::uint8_t> bytes) {
  const std::size_t size = bytes.size();
  if (size < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const std::uint32_t dataOffset = U32(bytes, 10);
  const std::uint32_t headerSize = U32(bytes, 14);
  switch (headerSize) {
    case 12: case 40: case 52: case 56: case 64: case 108: case 124: break;
    default: return false;
  }
  if (size < 14 + std::size_t{headerSize}) return false;

  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t coloursUsed = 0;
  if (headerSize == 12) {  // the old core header: 16-bit sizes, 3-byte palette entries
    width = U16(bytes, 18);
    height = U16(bytes, 20);
    bitsPerPixel = U16(bytes, 24);
  } else {
    width = static_cast<std::int32_t>(U32(bytes, 18));
    height = static_cast<std::int32_t>(U32(bytes, 22));
    bitsPerPixel = U16(bytes, 28);
    compression = U32(bytes, 30);
    coloursUsed = U32(bytes, 46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (!PictureSizeAllowed(width, height)) return false;

  switch (bitsPerPixel) {
    case 1: case 2: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  // Run-length pictures are stored bottom-up only. In the 64-byte header of
  // the other operating system, 3 and 4 name codings we do not read.
  switch (compression) {
    case kRgb: break;
    case kRle8: if (bitsPerPixel != 8 || topDown) return false; break;
    case kRle4: if (bitsPerPixel != 4 || topDown) return false; break;
    case kBitFields:
      if ((bitsPerPixel != 16 && bitsPerPixel != 32) || headerSize == 64) return false;
      break;
    default: return false;
  }

  std::uint64_t tableEnd = 14 + std::uint64_t{headerSize};
  if (compression == kBitFields && headerSize == 40) tableEnd += 12;  // masks follow the header
  if (bitsPerPixel <= 8) {
    const std::uint64_t fullPalette = std::uint64_t{1} << bitsPerPixel;
    const std::uint64_t entries = (coloursUsed == 0 || coloursUsed > fullPalette) ? fullPalette : coloursUsed;
    tableEnd += entries * (headerSize == 12 ? 3 : 4);
  }
  if (tableEnd > size || dataOffset < 14 + std::uint64_t{headerSize} || dataOffset >= size) return false;

  const std::uint64_t dataBytes = size - dataOffset;
  if (compression == kRle8 || compression == kRle4)
    return width * height <= static_cast<std::int64_t>(dataBytes) * kMaxPixelsPerCompressedByte;
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  return rowBytes * static_cast<std::uint64_t>(height) <= dataBytes;
}

// A palette picture through its palette; an index the palette lacks is damage.
bool IndexedToArgb(const SDL_Surface& surface, Picture& picture) {
  const SDL_Palette* palette = surface.format->palette;
  if (palette == nullptr) return false;
  const auto* rows = static_cast<const std::uint8_t*>(surface.pixels);
  for (int y = 0; y < surface.h; ++y) {
    const std::uint8_t* row = rows + static_cast<std::size_t>(y) * surface.pitch;
    for (int x = 0; x < surface.w; ++x) {
      if (row[x] >= palette->ncolors) return false;
      const SDL_Color& c = palette->colors[row[x]];
      picture.At(x, y) = 0xFF000000u | std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
    }
  }
  return true;
}

// 16-bit pixels one by one: SDL_GetRGB widens each field by repeating its
// bits, so full fields give 255 (SDL's bulk converter leaves 6-bit green at
// 252).
void SixteenBitToArgb(const SDL_Surface& surface, Picture& picture) {
  const auto* rows = static_cast<const std::uint8_t*>(surface.pixels);
  for (int y = 0; y < surface.h; ++y) {
    const std::uint8_t* row = rows + static_cast<std::size_t>(y) * surface.pitch;
    for (int x = 0; x < surface.w; ++x) {
      Uint16 value = 0;
      SDL_memcpy(&value, row + 2 * x, 2);
      Uint8 r = 0, g = 0, b = 0;
      SDL_GetRGB(value, surface.format, &r, &g, &b);
      picture.At(x, y) = 0xFF000000u | std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b;
    }
  }
}

bool ConvertSurface(SDL_Surface& surface, Picture& picture) {
  picture.width = surface.w;
  picture.height = surface.h;
  picture.pixels.resize(static_cast<std::size_t>(surface.w) * surface.h);
  if (surface.format->BytesPerPixel == 1) return IndexedToArgb(surface, picture);
  if (surface.format->BytesPerPixel == 2) {
    SixteenBitToArgb(surface, picture);
    return true;
  }
  if (SDL_ConvertPixels(surface.w, surface.h, surface.format->format, surface.pixels, surface.pitch,
                        SDL_PIXELFORMAT_ARGB8888, picture.pixels.data(), surface.w * 4) != 0)
    return false;
  for (std::uint32_t& pixel : picture.pixels) pixel |= 0xFF000000u;  // the fourth byte is not alpha
  return true;
}

}  // namespace

std::optional<Picture> DecodeBmp(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kMaxPictureFileBytes || !HeaderPlausible(bytes)) return std::nullopt;
  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (source == nullptr) return std::nullopt;
  SDL_Surface* surface = SDL_LoadBMP_RW(source, 1);
  if (surface == nullptr) return std::nullopt;
  Picture picture;
  bool ok = false;
  try {
    ok = ConvertSurface(*surface, picture);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  SDL_FreeSurface(surface);
  if (!ok) return std::nullopt;
  return picture;
}

}  // namespace fl
