#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "app/shell/Process.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "tests/fakes/FakeServices.h"
#include "tests/fakes/TempFolder.h"

namespace fl::test {
namespace {


mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

class PosixFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir.path().empty()); }
  TempFolder dir;
  PosixFileSystem fs;
};

TEST_F(PosixFiles, KindsAndFolders) {
  const std::string file = dir / "file";
  const std::string folder = dir / "folder";
  ASSERT_TRUE(fs.WriteFile(file, "x"));
  EXPECT_EQ(fs.Kind(file), PathKind::File);
  EXPECT_EQ(fs.Kind(dir / "none"), PathKind::None);
  EXPECT_EQ(fs.Kind(""), PathKind::None);

  EXPECT_TRUE(fs.MakeFolder(folder + "/"));
  EXPECT_EQ(fs.Kind(folder), PathKind::Folder);
  EXPECT_EQ(fs.Kind(folder + "//"), PathKind::Folder);
  EXPECT_EQ(ModeOf(folder), 0700u);
  EXPECT_TRUE(fs.MakeFolder(folder)) << "an existing folder is no failure";
  EXPECT_FALSE(fs.MakeFolder(file)) << "a file is in the way";
  EXPECT_FALSE(fs.MakeFolder(dir / "a/b")) << "one level only";
}

TEST_F(PosixFiles, ReadWriteAndRemove) {
  const std::string file = dir / "data.bin";
  const std::string bytes("a\0b\r\n", 5);
  ASSERT_TRUE(fs.WriteFile(file, bytes));
  EXPECT_EQ(fs.ReadFile(file, 5), bytes);
  EXPECT_EQ(fs.ReadFile(file, 4), std::nullopt) << "larger than the limit";
  EXPECT_EQ(fs.ReadFile(dir.path(), 100), std::nullopt) << "a folder";
  EXPECT_EQ(fs.ReadFile(dir / "missing", 100), std::nullopt);
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(fs.ReadFile(dir / "fifo", 100), std::nullopt) << "a pipe must not block the reader";

  EXPECT_TRUE(fs.RemoveFile(file));
  EXPECT_EQ(fs.Kind(file), PathKind::None);
  EXPECT_TRUE(fs.RemoveFile(file)) << "a missing file is no error";
  EXPECT_FALSE(fs.WriteFile(dir / "no/such/folder", "x"));
}

TEST_F(PosixFiles, ReplaceKeepsTheModeAndLeavesNoTemporary) {
  const std::string file = dir / "config.ini";
  ASSERT_TRUE(fs.ReplaceFileAtomically(file, "one"));
  EXPECT_EQ(fs.ReadFile(file, 100), "one");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(fs.ReplaceFileAtomically(file, "two"));
  EXPECT_EQ(fs.ReadFile(file, 100), "two");
  EXPECT_EQ(ModeOf(file), 0640u);
  EXPECT_EQ(dir.Names(), std::set<std::string>{"config.ini"});
  EXPECT_FALSE(fs.ReplaceFileAtomically(dir / "missing/config.ini", "x"));
  EXPECT_EQ(dir.Names(), std::set<std::string>{"config.ini"});
}

TEST_F(PosixFiles, ProgramPathIsThisTestProgram) {
  const std::string program = fs.ProgramPath();
  EXPECT_EQ(program.front(), '/');
  EXPECT_EQ(std::filesystem::path(program).filename(), "settings_tests");
}

// Sets or clears an environment variable for one scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(PosixFiles, UserDataFolderFollowsTheBaseDirectoryRules) {
  const struct passwd* user = ::getpwuid(::getuid());
  const std::string accountHome = user && user->pw_dir ? user->pw_dir : "";
  const struct {
    const char* configHome;
    const char* home;
    std::string expected;
  } cases[] = {
      {"/x/cfg/", "/home/u", "/x/cfg"},
      {"relative/cfg", "/home/u", "/home/u/.config"},
      {"", "/home/u/", "/home/u/.config"},
      {nullptr, "/", "/.config"},
      {nullptr, nullptr, accountHome.empty() ? "" : accountHome + "/.config"},
  };
  for (const auto& c : cases) {
    ScopedVariable configHome("XDG_CONFIG_HOME", c.configHome);
    ScopedVariable home("HOME", c.home);
    EXPECT_EQ(fs.UserDataFolder(), c.expected) << (c.configHome ? c.configHome : "(unset)") << " / "
                                               << (c.home ? c.home : "(unset)");
  }
}

// Saves through the real file system into a temporary folder.
class AtomicSave : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.path().empty());
    saved_ = Sys();
    Sys() = Platform{};
    Sys().files = &fs;
    Sys().clock = &clock;
    DesktopMode = {1920, 1080, 32};
    ConfigPath = dir / "config.ini";
    SetDefaultSettings();
  }
  void TearDown() override { Sys() = saved_; }

  // The bytes SaveSettings writes for the record.
  std::string Saved(const SettingsRecord& record) {
    FakeFileSystem memory;
    Sys().files = &memory;
    const SettingsRecord before = Settings;
    Settings = record;
    SaveSettings();
    Settings = before;
    Sys().files = &fs;
    return memory.files[ConfigPath];
  }

  TempFolder dir;
  PosixFileSystem fs;
  FakeClock clock;

 private:
  Platform saved_;
};

TEST_F(AtomicSave, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporary) {
  const std::string old = "[Screensaver]\r\nflakes=100\r\n";
  ASSERT_TRUE(fs.WriteFile(ConfigPath, old));
  Settings.foregroundtext = std::string(4000, 'x');

  // A child whose files may not grow beyond 1 KB: the new file cannot be
  // written completely (as on a full disk).
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit {1024, 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SaveSettings();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  EXPECT_EQ(fs.ReadFile(ConfigPath, 1 << 20), old);
  EXPECT_EQ(dir.Names(), std::set<std::string>{"config.ini"});
  // The same save without the limit goes through.
  SaveSettings();
  EXPECT_EQ(fs.ReadFile(ConfigPath, 1 << 20), Saved(Settings));
}

TEST_F(AtomicSave, AKilledSaveLeavesEitherTheOldOrTheNewFileWhole) {
  // Two records whose files differ in size and content; large enough that a
  // kill often lands inside a write.
  SettingsRecord a = Settings;
  a.flakes = 111;
  a.foregroundtext = std::string(300000, 'a');
  SettingsRecord b = Settings;
  b.flakes = 2222;
  b.foregroundtext = std::string(200000, 'b');
  const std::string fileA = Saved(a);
  const std::string fileB = Saved(b);

  for (int round = 0; round < 30; ++round) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(ready[0]);
      for (int save = 0;; ++save) {
        Settings = save % 2 == 0 ? a : b;
        SaveSettings();
        if (save == 0) {
          // Tell the parent that config.ini now exists, then keep saving.
          (void)!::write(ready[1], "x", 1);
          ::close(ready[1]);
        }
      }
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    // Kill at varying moments; whatever moment it is, the file must be whole.
    ::usleep(static_cast<useconds_t>((round * 373) % 4000));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);

    const std::optional<std::string> now = fs.ReadFile(ConfigPath, 1 << 20);
    ASSERT_TRUE(now.has_value()) << "config.ini missing after kill " << round;
    ASSERT_TRUE(*now == fileA || *now == fileB) << "config.ini cut short after kill " << round << ", "
                                               << now->size() << " bytes";
    LoadSettings();
    EXPECT_TRUE(Settings == a || Settings == b);
  }
}

}  // namespace
}  // namespace fl::test
