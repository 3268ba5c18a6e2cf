#pragma once
// Fakes of the simple platform services: they record calls and return what the
// test set up.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Displays.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace fl::test {

// Files held in memory; folders are the paths made with MakeFolder.
class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, bool> folders;
  std::map<std::string, std::string> environment;
  std::string programPath = "/opt/frostlight/frostlight";
  std::string userDataFolder = "/home/user/.config";
  bool failWrites = false;

  PathKind Kind(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) override;
  bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) override;
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  bool RemoveFile(const std::string& path) override;
  std::string ProgramPath() override { return programPath; }
  std::string UserDataFolder() override { return userDataFolder; }
  std::string Environment(const char* name) override;
};

// A clock that moves only when told; Sleep advances it.
class FakeClock : public Clock {
 public:
  std::uint64_t now = 1000;
  WallClock wall{2026, 12, 11, 10, 30, 0};
  std::vector<int> sleeps;

  std::uint64_t Milliseconds() override { return now; }
  void Sleep(int milliseconds) override {
    sleeps.push_back(milliseconds);
    now += static_cast<std::uint64_t>(milliseconds > 0 ? milliseconds : 0);
  }
  WallClock LocalNow() override { return wall; }
};

struct ShownBox {
  std::string title;
  std::string text;
  BoxStyle style;
};

// Records every box and answers with the queued answers, then with `answer`.
class FakeMessageBoxes : public MessageBoxes {
 public:
  std::vector<ShownBox> shown;
  std::vector<int> answers;
  int answer = BoxOk;

  int Show(const std::string& title, const std::string& text, BoxStyle style) override {
    shown.push_back({title, text, style});
    if (!answers.empty()) {
      int next = answers.front();
      answers.erase(answers.begin());
      return next;
    }
    return answer;
  }
};

class FakeShell : public Shell {
 public:
  std::vector<std::string> opened;
  void Open(const std::string& target) override { opened.push_back(target); }
};

class FakeDisplays : public Displays {
 public:
  DisplayMode mode{1920, 1080, 32};
  DisplayMode PrimaryMode() override { return mode; }
};

}  // namespace fl::test
