#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/picture/Picture.h"

namespace fl {

// Decoders for the picture files we read (PNG, JPEG, BMP). Every input is
// treated as hostile: anything damaged, truncated, unsupported or beyond the
// limits in PictureLimits.h gives nothing. The result is 0xAARRGGBB, top-down;
// only PNG pictures with an alpha channel or a tRNS chunk keep alpha of their
// own (hasTransparency), all others are fully opaque.

std::optional<Picture> DecodePng(std::span<const std::uint8_t> bytes);
std::optional<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes);
// Every BMP, 32-bit ones included, decodes opaque: the fourth byte is ignored.
std::optional<Picture> DecodeBmp(std::span<const std::uint8_t> bytes);

// Chooses the decoder by the file's signature ("BM", PNG's, or JPEG's FF D8 FF).
std::optional<Picture> DecodePicture(std::span<const std::uint8_t> bytes);

// Reads and decodes a picture file. An empty path, a folder, a missing, empty
// or unreadable file, or one larger than the file limit gives nothing.
std::optional<Picture> LoadPictureFile(const std::string& path);

}  // namespace fl
