#pragma once
#include <cstddef>
#include <cstdint>

namespace fl {

// Limits on pictures we decode or create. Pictures come from files the user
// names and from the desktop, so they are untrusted; every decoder checks these
// before it allocates anything large.
//
// - Each side at most 16384 pixels and at most 40 million pixels in all: an 8K
//   UHD wallpaper (7680 x 4320, 33 million pixels) fits; the largest picture
//   then takes 160 MB as 0xAARRGGBB.
// - Files are read whole, up to 256 MiB.
// - A file must plausibly hold the picture it claims, so that a tiny file
//   cannot make us allocate hundreds of MB:
//   * PNG: the filtered rows the header implies may be at most 1100 times the
//     file size (deflate cannot expand more than about 1032:1); chunks that we
//     keep in memory are limited to 8 MiB each.
//   * uncompressed BMP: all rows (with their padding) must lie inside the file.
//   * run-length BMP and JPEG: at most 1024 pixels per byte of file. Huffman
//     coded JPEG needs at least one bit per 8 x 8 block and scan, RLE at least
//     two bytes per 255 pixels; only degenerate files (mostly skipped RLE,
//     flat arithmetic-coded JPEG) exceed that.
//   * JPEG: libjpeg may use at most 384 MiB for its own buffers, and a
//     progressive file at most 1000 scans.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 40'000'000;
inline constexpr std::size_t kMaxPictureFileBytes = 256u * 1024 * 1024;
inline constexpr std::int64_t kMaxPngExpansion = 1100;
inline constexpr std::size_t kMaxPngChunkBytes = 8u * 1024 * 1024;
inline constexpr std::int64_t kMaxPixelsPerCompressedByte = 1024;
inline constexpr long kMaxJpegMemoryBytes = 384L * 1024 * 1024;
inline constexpr int kMaxJpegScans = 500;

// True when a picture of this size is within the limits above.
inline bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace fl
