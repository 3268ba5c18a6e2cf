#pragma once
// Installs the fakes of the file system, clock and message boxes for one test,
// with a fixed program path, desktop mode and config path, and restores the
// service table afterwards.
#include <gtest/gtest.h>

#include "app/shell/Process.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "tests/fakes/FakeServices.h"

namespace fl::test {

inline constexpr const char* kConfigPath = "/home/user/.config/Larkmoor/Frostlight Screensaver/config.ini";

class FakeServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Sys();
    Sys() = Platform{};
    Sys().files = &files;
    Sys().clock = &clock;
    Sys().boxes = &boxes;
    DesktopMode = {1920, 1080, 32};
    ConfigPath = kConfigPath;
    Settings = SettingsRecord{};
  }
  void TearDown() override { Sys() = saved_; }

  // The bytes of config.ini, or "<none>" when there is no such file.
  std::string ConfigFile() const {
    auto it = files.files.find(kConfigPath);
    return it == files.files.end() ? "<none>" : it->second;
  }

  FakeFileSystem files;
  FakeClock clock;
  FakeMessageBoxes boxes;

 private:
  Platform saved_;
};

}  // namespace fl::test
