#include "settings/Settings.h"

#include <cstdint>
#include <limits>

#include "tests/settings/FakeServicesFixture.h"

namespace fl::test {
namespace {

using SettingsDefaults = FakeServicesTest;

TEST_F(SettingsDefaults, FollowProgramFolderDesktopModeAndClock) {
  files.programPath = "/opt/frostlight/frostlight";
  clock.wall = {2026, 12, 11, 10, 30, 0};
  SetDefaultSettings();
  EXPECT_EQ(Settings.Path, "/opt/frostlight/");
  EXPECT_EQ(Settings.backgroundimage, "/opt/frostlight/data/images/fullmoon.jpg");
  EXPECT_EQ(Settings.foregroundimage, "/opt/frostlight/data/foreground/happynewyear.bmp");
  EXPECT_EQ(Settings.customflakeimage, "/opt/frostlight/data/snowflakes/myflake2.png");
  EXPECT_EQ(Settings.UpdateDate, 1796985000);
  EXPECT_EQ(Settings.videow, 1920);
  EXPECT_EQ(Settings.videoh, 1080);
  EXPECT_EQ(Settings.videod, 32);
  EXPECT_EQ(Settings.flakes, 500);
  EXPECT_EQ(Settings.background, 1);
  EXPECT_EQ(Settings.wind, 3);
}

TEST_F(SettingsDefaults, InstallPathIsTheFolderPartUpToEitherSeparator) {
  const struct {
    const char* program;
    const char* folder;
  } cases[] = {
      {"/opt/frostlight/frostlight", "/opt/frostlight/"},
      {"C:\\Games\\Frost\\frost.scr", "C:\\Games\\Frost\\"},
      {"/odd\\name/bin\\frostlight", "/odd\\name/bin\\"},
      {"/frostlight", "/"},
      {"frostlight", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    files.programPath = c.program;
    EXPECT_EQ(DerivedInstallPath(), c.folder) << c.program;
  }
}

TEST(LowByte, KeepsTheLowEightBitsAsSignedValue) {
  const struct {
    std::int64_t value;
    int expected;
  } cases[] = {
      {300, 44},   {200, -56}, {-1, -1},   {127, 127},  {128, -128}, {256, 0}, {-129, 127},
      {std::numeric_limits<std::int32_t>::max(), -1}, {std::numeric_limits<std::int64_t>::min(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LowByte(c.value), c.expected) << c.value;
}

TEST(DateValue, CountsSecondsOfPossibleDatesInRange) {
  const struct {
    int y, mo, d, h, mi, s;
    std::int32_t expected;
  } cases[] = {
      {1970, 1, 1, 0, 0, 0, 0},
      {1970, 1, 1, 0, 0, 1, 1},
      {2000, 2, 29, 0, 0, 0, 951782400},    // divisible by 400: leap year
      {2024, 2, 29, 12, 0, 0, 1709208000},
      {2001, 3, 1, 0, 0, 0, 983404800},
      {2037, 12, 31, 23, 59, 59, 2145916799},
      {2038, 1, 19, 3, 14, 7, 2147483647},  // the last representable second
      {2038, 1, 19, 3, 14, 8, -1},
      {2038, 2, 1, 0, 0, 0, -1},
      {1969, 12, 31, 23, 59, 59, -1},
      {2001, 2, 29, 0, 0, 0, -1},           // not a leap year
      {2100, 2, 28, 0, 0, 0, -1},
      {2021, 4, 31, 0, 0, 0, -1},           // April has 30 days
      {2021, 0, 1, 0, 0, 0, -1},
      {2021, 13, 1, 0, 0, 0, -1},
      {2021, 1, 0, 0, 0, 0, -1},
      {2021, 1, 1, 24, 0, 0, -1},
      {2021, 1, 1, 0, 60, 0, -1},
      {2021, 1, 1, 0, 0, 60, -1},
      {2021, 1, 1, -1, 0, 0, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateValue(c.y, c.mo, c.d, c.h, c.mi, c.s), c.expected)
        << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
  }
}

TEST_F(SettingsDefaults, CurrentDateValueReadsTheLocalWallClock) {
  clock.wall = {2024, 2, 29, 12, 0, 0};
  EXPECT_EQ(CurrentDateValue(), 1709208000);
  clock.wall = {2040, 1, 1, 0, 0, 0};
  EXPECT_EQ(CurrentDateValue(), -1);
}

}  // namespace
}  // namespace fl::test
