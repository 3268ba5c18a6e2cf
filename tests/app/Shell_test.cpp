#include <gtest/gtest.h>

#include "app/shell/Process.h"
#include "app/shell/Vendor.h"
#include "platform/Platform.h"
#include "tests/fakes/FakeServices.h"

namespace fl {
namespace {

TEST(Version, TextOfVersionNumbers) {
  EXPECT_EQ(VersionText(200), "2.0");
  EXPECT_EQ(VersionText(201), "2.0.1");
  EXPECT_EQ(VersionText(210), "2.1");
  EXPECT_EQ(VersionText(123), "1.2.3");
  EXPECT_EQ(AppTitle(), "Frostlight Screensaver 2.0");
}

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { Sys().files = &files; }
  void TearDown() override { Sys() = Platform{}; }
  test::FakeFileSystem files;
};

TEST_F(DataFolderTest, MadeUnderTheUserFolderAndEndsWithSlash) {
  files.userDataFolder = "/home/ann/.config";
  SetUpDataFolder();
  EXPECT_EQ(DataFolder, "/home/ann/.config/Larkmoor/Frostlight Screensaver/");
  EXPECT_EQ(ConfigPath, DataFolder + "config.ini");
  EXPECT_EQ(files.Kind("/home/ann/.config/Larkmoor"), PathKind::Folder);
  EXPECT_EQ(files.Kind(DataFolder), PathKind::Folder);
  // A second run finds the folders in place.
  SetUpDataFolder();
  EXPECT_EQ(DataFolder, "/home/ann/.config/Larkmoor/Frostlight Screensaver/");
}

TEST_F(DataFolderTest, WithoutUserFolderStartsAtTheRoot) {
  files.userDataFolder = "";
  SetUpDataFolder();
  EXPECT_EQ(DataFolder, "/Larkmoor/Frostlight Screensaver/");
}

TEST_F(DataFolderTest, VendorHostFromTheEnvironment) {
  EXPECT_EQ(HomePageUrl(), "http://www.frostlight.example/screensavers/frostlight.html");
  files.environment["FROSTLIGHT_VENDOR_HOST"] = "127.0.0.1:8080";
  EXPECT_EQ(VersionFileUrl(), "http://127.0.0.1:8080/files/frostlight.dat");
  EXPECT_EQ(UninstallPageUrl(), "http://127.0.0.1:8080/screensavers/frostlight-uninstall.html");
}

}  // namespace
}  // namespace fl
