#include "platform/posix/PosixInstanceGuard.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace fl {
namespace {

class InstanceGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/guard-test-XXXXXX";
    folder_ = mkdtemp(pattern);
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
  }
  void TearDown() override {
    unlink(PosixInstanceGuard::LockPath(kName).c_str());
    rmdir(folder_.c_str());
  }

  // A child process that takes the guard, reports through a pipe and waits to be killed.
  pid_t StartHolder() {
    int report[2];
    EXPECT_EQ(pipe(report), 0);
    pid_t pid = fork();
    if (pid == 0) {
      close(report[0]);
      PosixInstanceGuard guard;
      char held = guard.Acquire(kName) ? 1 : 0;
      (void)!write(report[1], &held, 1);
      for (;;) pause();
    }
    close(report[1]);
    char held = 0;
    EXPECT_EQ(read(report[0], &held, 1), 1);
    close(report[0]);
    EXPECT_EQ(held, 1);
    return pid;
  }

  static constexpr const char* kName = "Frostlight Screensaver 2.0";
  std::string folder_;
};

TEST_F(InstanceGuardTest, SecondHolderIsRefusedUntilTheFirstDies) {
  pid_t holder = StartHolder();
  PosixInstanceGuard second;
  EXPECT_FALSE(second.Acquire(kName));

  // A killed holder never blocks the next instance: the system drops the lock.
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  EXPECT_TRUE(second.Acquire(kName));
  EXPECT_EQ(PosixInstanceGuard::LockPath(kName), folder_ + "/Frostlight Screensaver 2.0.lock");
}

TEST_F(InstanceGuardTest, ReleaseLetsAnotherTakeIt) {
  PosixInstanceGuard first;
  PosixInstanceGuard second;
  ASSERT_TRUE(first.Acquire(kName));
  EXPECT_FALSE(second.Acquire(kName));
  first.Release();
  EXPECT_TRUE(second.Acquire(kName));
}

}  // namespace
}  // namespace fl
