#include "TestEnvironment.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace fl::test {

namespace {

constexpr int kStartTimeoutMs = 20000;

// The display number Xvfb writes to the -displayfd pipe once it accepts clients.
std::string ReadDisplayNumber(int fd) {
  std::string text;
  char c = 0;
  for (;;) {
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, kStartTimeoutMs) <= 0) return {};
    if (read(fd, &c, 1) != 1) return {};
    if (c == '\n') return text;
    text += c;
  }
}

}  // namespace

XvfbServer::XvfbServer(const std::string& screen, const std::vector<std::string>& extra) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    const int display_fd = dup(fds[1]);  // the copy survives exec
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
    }
    std::vector<std::string> words{"Xvfb", "-displayfd", std::to_string(display_fd), "-screen", "0", screen,
                                   "-nolisten", "tcp", "-noreset"};
    words.insert(words.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp("Xvfb", argv.data());
    _exit(127);
  }
  close(fds[1]);
  if (pid_ > 0) {
    const std::string number = ReadDisplayNumber(fds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  close(fds[0]);
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

ScopedEnv::ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
  if (const char* old = getenv(name)) previous_ = old;
  if (value) {
    setenv(name, value->c_str(), 1);
  } else {
    unsetenv(name);
  }
}

ScopedEnv::~ScopedEnv() {
  if (previous_) {
    setenv(name_.c_str(), previous_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

}  // namespace fl::test
