#include "platform/posix/PosixShell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace fl {

void PosixShell::Open(const std::string& target) {
  // Fork twice so that the opener is adopted by init: the caller neither waits
  // for it nor leaves a zombie behind.
  pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      int null = open("/dev/null", O_RDWR);
      if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        close(null);
      }
      execlp("xdg-open", "xdg-open", target.c_str(), static_cast<char*>(nullptr));
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace fl
