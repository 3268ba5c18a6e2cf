#pragma once
// Installs fakes of every platform service the saver uses and a small, known
// set of settings; restores the previous table afterwards.
#include <gtest/gtest.h>

#include "app/shell/Process.h"
#include "platform/Platform.h"
#include "saver/Random.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"
#include "tests/fakes/FakeFontService.h"
#include "tests/fakes/FakeInputDevice.h"
#include "tests/fakes/FakeScreenGrabber.h"
#include "tests/fakes/FakeServices.h"
#include "tests/fakes/FakeSpriteScreen.h"
#include "tests/fakes/FakeWallpaperSource.h"

namespace fl::test {

class SaverFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Sys();
    StartOver();
  }
  void TearDown() override { Sys() = saved_; }

  // Fresh fakes and settings, for tables whose cases each need a clean start.
  void StartOver() {
    files = {};
    shell = {};
    boxes = {};
    displays = {};
    clock = {};
    screen = {};
    input = {};
    grabber = {};
    wallpaper = {};
    fonts = {};
    Sys() = Platform{};
    Sys().files = &files;
    Sys().shell = &shell;
    Sys().boxes = &boxes;
    Sys().displays = &displays;
    Sys().clock = &clock;
    Sys().screen = &screen;
    Sys().input = &input;
    Sys().grabber = &grabber;
    Sys().wallpaper = &wallpaper;
    Sys().fonts = &fonts;

    BuildTextTable();
    DataFolder = "/data/";
    DesktopMode = {1920, 1080, 32};
    Settings = SettingsRecord{};
    Settings.videow = 800;
    Settings.videoh = 600;
    Settings.videod = 32;
    Settings.flakes = 0;
    Settings.flakesize = 17;
    Settings.speed = 2;
    Settings.exiton = 0;
    Settings.background = 7;  // nothing
    SeedRandom(1);
  }

  // The texts of the message boxes shown.
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : boxes.shown) texts.push_back(box.text);
    return texts;
  }

  FakeFileSystem files;
  FakeShell shell;
  FakeMessageBoxes boxes;
  FakeDisplays displays;
  FakeClock clock;
  FakeSpriteScreen screen;
  FakeInputDevice input;
  FakeScreenGrabber grabber;
  FakeWallpaperSource wallpaper;
  FakeFontService fonts;

 private:
  Platform saved_;
};

}  // namespace fl::test
