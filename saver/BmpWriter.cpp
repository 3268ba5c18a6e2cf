#include "saver/BmpWriter.h"

#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace fl {
namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

void PutU16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

}  // namespace

std::string EncodeBmp(const Picture& picture, int bitsPerPixel) {
  if (bitsPerPixel != 24 && bitsPerPixel != 32) return std::string();
  if (picture.Empty() ||
      picture.pixels.size() < static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
    return std::string();
  const std::uint64_t bytesPerPixel = static_cast<std::uint64_t>(bitsPerPixel) / 8;
  const std::uint64_t rowSize = (picture.width * bytesPerPixel + 3) / 4 * 4;
  const std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(picture.height);
  if (kHeadersSize + imageSize > UINT32_MAX) return std::string();

  std::string out;
  out.reserve(static_cast<std::size_t>(kHeadersSize + imageSize));
  out += "BM";
  PutU32(out, static_cast<std::uint32_t>(kHeadersSize + imageSize));
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, kHeadersSize);

  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(picture.width));
  PutU32(out, static_cast<std::uint32_t>(picture.height));  // positive: rows bottom-up
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
  PutU32(out, 0);  // no compression
  PutU32(out, static_cast<std::uint32_t>(imageSize));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);

  const std::size_t padding = static_cast<std::size_t>(rowSize - picture.width * bytesPerPixel);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel = picture.At(x, y);
      out.push_back(static_cast<char>(pixel & 0xFF));
      out.push_back(static_cast<char>((pixel >> 8) & 0xFF));
      out.push_back(static_cast<char>((pixel >> 16) & 0xFF));
      if (bitsPerPixel == 32) out.push_back(static_cast<char>(pixel >> 24));
    }
    out.append(padding, '\0');
  }
  return out;
}

bool WriteBmpFile(const std::string& path, const Picture& picture, int bitsPerPixel) {
  const std::string bytes = EncodeBmp(picture, bitsPerPixel);
  if (bytes.empty() || Sys().files == nullptr) return false;
  return Sys().files->WriteFile(path, bytes);
}

int BmpBitsForDepth(int depth) { return depth <= 24 ? 24 : 32; }

}  // namespace fl
