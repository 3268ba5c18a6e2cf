#include "platform/picture/PictureDrawing.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "platform/picture/PictureLimits.h"

namespace fl {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool Usable(const Picture& picture) {
  return !picture.Empty() &&
         picture.pixels.size() >= static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
}

// One axis of a stretch: for a destination position, the two source positions
// around its sample point and the weight (0..256) of the second.
struct Tap {
  int first;
  int second;
  int weight;
};

// Sample points sit at pixel centres, so the outermost destination pixels take
// the outermost source pixels exactly. Only the visible range [from, to) of
// the destination span of length `span` is computed.
std::vector<Tap> MakeTaps(std::int64_t from, std::int64_t to, std::int64_t span, int sourceLength) {
  std::vector<Tap> taps;
  taps.reserve(static_cast<std::size_t>(to - from));
  for (std::int64_t i = from; i < to; ++i) {
    std::int64_t fixed = (2 * i + 1) * sourceLength * 65536 / (2 * span) - 32768;  // 16.16
    fixed = std::max<std::int64_t>(fixed, 0);
    int first = static_cast<int>(fixed >> 16);
    int weight = static_cast<int>((fixed >> 8) & 0xFF);
    if (first >= sourceLength - 1) {
      first = sourceLength - 1;
      weight = 0;
    }
    taps.push_back({first, std::min(first + 1, sourceLength - 1), weight});
  }
  return taps;
}

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

std::uint32_t Blend(std::uint32_t topLeft, std::uint32_t topRight, std::uint32_t bottomLeft,
                    std::uint32_t bottomRight, std::uint32_t wx, std::uint32_t wy) {
  std::uint32_t result = kOpaque;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t top = Channel(topLeft, shift) * (256 - wx) + Channel(topRight, shift) * wx;
    const std::uint32_t bottom = Channel(bottomLeft, shift) * (256 - wx) + Channel(bottomRight, shift) * wx;
    result |= ((top * (256 - wy) + bottom * wy + 32768) >> 16) << shift;
  }
  return result;
}

}  // namespace

std::optional<Picture> CreatePicture(int width, int height) {
  if (!PictureSizeAllowed(width, height)) return std::nullopt;
  Picture picture;
  try {
    picture.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kOpaque);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  picture.width = width;
  picture.height = height;
  return picture;
}

void DrawPicture(Picture& dest, const Picture& source, int x, int y) {
  if (!Usable(dest) || !Usable(source)) return;
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + source.width, dest.width);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + source.height, dest.height);
  for (std::int64_t dy = top; dy < bottom; ++dy) {
    for (std::int64_t dx = left; dx < right; ++dx) {
      dest.At(static_cast<int>(dx), static_cast<int>(dy)) =
          source.At(static_cast<int>(dx - x), static_cast<int>(dy - y)) | kOpaque;
    }
  }
}

void DrawPictureStretched(Picture& dest, const Picture& source, int x, int y, int width, int height) {
  if (!Usable(dest) || !Usable(source) || width <= 0 || height <= 0) return;
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, dest.width);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, dest.height);
  if (left >= right || top >= bottom) return;
  const std::vector<Tap> columns = MakeTaps(left - x, right - x, width, source.width);
  const std::vector<Tap> rows = MakeTaps(top - y, bottom - y, height, source.height);
  for (std::int64_t dy = top; dy < bottom; ++dy) {
    const Tap& row = rows[static_cast<std::size_t>(dy - top)];
    for (std::int64_t dx = left; dx < right; ++dx) {
      const Tap& column = columns[static_cast<std::size_t>(dx - left)];
      dest.At(static_cast<int>(dx), static_cast<int>(dy)) =
          Blend(source.At(column.first, row.first), source.At(column.second, row.first),
                source.At(column.first, row.second), source.At(column.second, row.second),
                static_cast<std::uint32_t>(column.weight), static_cast<std::uint32_t>(row.weight));
    }
  }
}

void ApplyPictureAlpha(Picture& picture, bool pictureAlpha) {
  if (pictureAlpha && picture.hasTransparency) return;
  for (std::uint32_t& pixel : picture.pixels) pixel = (pixel & 0x00FFFFFFu) == 0 ? 0 : (pixel | kOpaque);
}

}  // namespace fl
