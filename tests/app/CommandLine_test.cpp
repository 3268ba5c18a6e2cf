#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace fl {
namespace {

struct Case {
  std::vector<std::string> parameters;
  Mode mode;
  std::int64_t target;
};

TEST(CommandLine, SelectsModeAndTargetWindow) {
  const Case cases[] = {
      {{"/s"}, Mode::Screensaver, 0},
      {{"-S"}, Mode::Screensaver, 0},
      {{" /s "}, Mode::Screensaver, 0},
      {{"/screensaver"}, Mode::Screensaver, 0},
      {{"s"}, Mode::SettingsWithoutOwner, 0},
      {{}, Mode::SettingsWithoutOwner, 0},
      {{""}, Mode::SettingsWithoutOwner, 0},
      {{"/x"}, Mode::SettingsWithoutOwner, 0},
      {{"/c:1234"}, Mode::Settings, 1234},
      {{"/c"}, Mode::Settings, 0},
      {{"/c:0", "5678"}, Mode::Settings, 5678},
      {{"/C:abc", " 77"}, Mode::Settings, 77},
      {{"/p", "1234"}, Mode::Preview, 1234},
      {{"/p:1234"}, Mode::Preview, 1234},
      {{"/p:1234:99"}, Mode::Preview, 1234},
      {{"/p"}, Mode::Preview, 0},
      {{"/l", "1234"}, Mode::Preview, 1234},
      {{"/p", "0x1a00007"}, Mode::Preview, 0x1a00007},
      {{"/p:-12"}, Mode::Preview, -12},
      {{"/a", "1234"}, Mode::Nothing, 0},
      {{"/i"}, Mode::WriteConfig, 0},
      {{"-install"}, Mode::WriteConfig, 0},
      {{"/u"}, Mode::Uninstall, 0},
      {{"/s", "1234"}, Mode::Screensaver, 0},
  };
  for (const Case& c : cases) {
    std::string shown = c.parameters.empty() ? "(none)" : c.parameters[0];
    CommandLine line = ReadCommandLine(c.parameters);
    EXPECT_EQ(line.mode, c.mode) << shown;
    EXPECT_EQ(line.targetWindow, c.target) << shown;
  }
}

TEST(CommandLine, SwitchIsTheFirstTwoNormalisedCharacters) {
  EXPECT_EQ(ReadCommandLine({" /screensaver"}).commandSwitch, "-S");
  EXPECT_EQ(ReadCommandLine({"/"}).commandSwitch, "-");
  EXPECT_EQ(NormaliseParameter("  /c:12/ab \t"), "-C:12-AB");
}

TEST(CommandLine, WindowNumbersReadLikeIntegers) {
  EXPECT_EQ(ReadWindowNumber(" \t+42x"), 42);
  EXPECT_EQ(ReadWindowNumber("-7"), -7);
  EXPECT_EQ(ReadWindowNumber("abc"), 0);
  EXPECT_EQ(ReadWindowNumber("0X"), 0);
  EXPECT_EQ(ReadWindowNumber("99999999999999999999999999"), INT64_MAX);
}

}  // namespace
}  // namespace fl
