#include "platform/posix/PosixInstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace fl {

PosixInstanceGuard::~PosixInstanceGuard() { Release(); }

std::string PosixInstanceGuard::LockPath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return std::string(runtime) + "/" + name + ".lock";
  const char* temporary = std::getenv("TMPDIR");
  std::string folder = temporary && temporary[0] == '/' ? temporary : "/tmp";
  // The temporary folder is shared by all users; the guard is per user.
  return folder + "/" + name + "-" + std::to_string(getuid()) + ".lock";
}

bool PosixInstanceGuard::Acquire(const std::string& name) {
  Release();
  int fd = open(LockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void PosixInstanceGuard::Release() {
  if (fd_ >= 0) {
    close(fd_);  // closing drops the lock; the file stays for the next instance
    fd_ = -1;
  }
}

}  // namespace fl
