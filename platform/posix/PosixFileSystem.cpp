#include "platform/posix/PosixFileSystem.h"

#include <errno.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

namespace fl {
namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The folder that holds path, for creating a sibling and syncing the entry.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool CloseChecked(int fd) {
  // After close fails the descriptor is gone anyway (Linux), so no retry.
  return ::close(fd) == 0 || errno == EINTR;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot sync a folder; the rename has happened either way.
  ::fsync(fd);
  ::close(fd);
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

}  // namespace

PathKind PosixFileSystem::Kind(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(WithoutTrailingSlash(path).c_str(), &info) != 0) return PathKind::None;
  return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
}

bool PosixFileSystem::MakeFolder(const std::string& path) {
  const std::string folder = WithoutTrailingSlash(path);
  if (folder.empty()) return false;
  // Private like every per-user configuration folder.
  if (::mkdir(folder.c_str(), 0700) == 0) return true;
  return errno == EEXIST && Kind(folder) == PathKind::Folder;
}

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path, std::size_t limit) {
  // Non-blocking open so that a FIFO in the file's place cannot stall us; only
  // regular files are read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<std::uint64_t>(info.st_size) > limit) {
    ::close(fd);
    return std::nullopt;
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    // The file may have grown since fstat.
    if (bytes.size() + static_cast<std::size_t>(got) > limit) {
      ::close(fd);
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

bool PosixFileSystem::ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty() || path.back() == '/') return false;
  std::string temp = path + ".XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return false;
  temp = name.data();

  // mkostemp makes the file private; a replaced file keeps its own mode.
  struct stat old {};
  bool ok = true;
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes);
  ok = ok && ::fsync(fd) == 0;
  ok = CloseChecked(fd) && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(FolderOf(path));
  return true;
}

bool PosixFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ok = CloseChecked(fd) && ok;
  if (!ok) ::unlink(path.c_str());
  return ok;
}

bool PosixFileSystem::RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::string PosixFileSystem::ProgramPath() {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(length));
    if (buffer.size() >= 65536) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::string PosixFileSystem::UserDataFolder() {
  const std::string configHome = Environment("XDG_CONFIG_HOME");
  // Relative values are invalid by the base-directory rules and are ignored.
  if (IsAbsolute(configHome)) return WithoutTrailingSlash(configHome);

  std::string home = Environment("HOME");
  if (!IsAbsolute(home)) {
    home.clear();
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
      home = found->pw_dir;
    }
  }
  if (!IsAbsolute(home)) return {};
  home = WithoutTrailingSlash(home);
  return (home == "/" ? std::string() : home) + "/.config";
}

std::string PosixFileSystem::Environment(const char* name) {
  const char* value = ::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace fl
