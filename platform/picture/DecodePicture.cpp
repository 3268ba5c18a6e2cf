#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <vector>

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureLimits.h"

namespace fl {
namespace {

// The whole regular file at path, or nothing. Opened without blocking so that
// a named pipe or device given as a picture cannot stall us.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> result;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
      static_cast<std::uint64_t>(info.st_size) <= kMaxPictureFileBytes) {
    try {
      std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
      std::size_t done = 0;
      while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
      }
      // A file that shrank while we read it is taken as far as it went.
      bytes.resize(done);
      if (done > 0) result = std::move(bytes);
    } catch (const std::bad_alloc&) {
      result.reset();
    }
  }
  close(fd);
  return result;
}

}  // namespace

std::optional<Picture> DecodePicture(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes);
  if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G')
    return DecodePng(bytes);
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return DecodeJpeg(bytes);
  return std::nullopt;
}

std::optional<Picture> LoadPictureFile(const std::string& path) {
  std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodePicture(*bytes);
}

}  // namespace fl
