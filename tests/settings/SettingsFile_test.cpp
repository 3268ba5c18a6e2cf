#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>

#include "settings/Settings.h"
#include "tests/settings/FakeServicesFixture.h"

namespace fl::test {
namespace {

std::string CrLfLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

// What a save of the defaults writes with the fixture's program path, desktop
// mode and clock.
const std::string kDefaultFile = "\xEF\xBB\xBF" + CrLfLines({
    "",
    "[General]",
    "Language = en",
    "Update Range = 2",
    "Update Date = 1796985000",
    "Path = /opt/frostlight/",
    "; ",
    "[Window]",
    "Width = 530",
    "Height = 330",
    "X = 200",
    "Y = 200",
    "; ",
    "[Screensaver]",
    "videow = 1920",
    "videoh = 1080",
    "videod = 32",
    "flakes = 500",
    "exiton = 0",
    "exitontimer = 30",
    "exitonsleep = 30",
    "background = 1",
    "backgroundimage = /opt/frostlight/data/images/fullmoon.jpg",
    "blankr = 0",
    "blankg = 0",
    "blankb = 0",
    "foreground = 0",
    "foregroundimage = /opt/frostlight/data/foreground/happynewyear.bmp",
    "foregroundimagex = 150",
    "foregroundimagey = 50",
    "foregroundtxt = 0",
    "foregroundtext = ",
    "foregroundtextx = 290",
    "foregroundtexty = 10",
    "flaketype = 7",
    "customflaketype = 0",
    "customflakeimage = /opt/frostlight/data/snowflakes/myflake2.png",
    "flakesize = 17",
    "wind = 3",
    "speed = 3",
    "; ",
});

class SettingsFile : public FakeServicesTest {
 protected:
  SettingsRecord Defaults() {
    SetDefaultSettings();
    SettingsRecord defaults = Settings;
    Settings = SettingsRecord{};
    return defaults;
  }
  SettingsRecord LoadFrom(const std::string& bytes) {
    files.files[kConfigPath] = bytes;
    LoadSettings();
    return Settings;
  }
};

TEST_F(SettingsFile, SavingTheDefaultsWritesTheWholeFileByteForByte) {
  SetDefaultSettings();
  SaveSettings();
  EXPECT_EQ(ConfigFile(), kDefaultFile);
  // A second save of the same record gives the same bytes.
  SaveSettings();
  EXPECT_EQ(ConfigFile(), kDefaultFile);
}

TEST_F(SettingsFile, MissingOrEmptyFileGivesTheDefaultsAndCreatesNothing) {
  const SettingsRecord defaults = Defaults();
  LoadSettings();
  EXPECT_EQ(Settings, defaults);
  EXPECT_EQ(ConfigFile(), "<none>");

  EXPECT_EQ(LoadFrom(""), defaults);
  EXPECT_EQ(LoadFrom("\xEF\xBB\xBF"), defaults);
  EXPECT_EQ(LoadFrom("\r\n\n\r"), defaults);
}

TEST_F(SettingsFile, LoadingAFileItWroteGivesTheSameRecordBack) {
  SettingsRecord custom = Defaults();
  custom.Language = "de";
  custom.UpdateDate = -1;
  custom.Path = "/srv/snow/";
  custom.X = -300;
  custom.flakes = 2000;
  custom.exiton = -56;
  custom.background = 3;
  custom.backgroundimage = "/pics/a = b; c.jpg";
  custom.blankr = 255;
  custom.foregroundtext = "Fr\xC3\xB6hliche Weihnachten = 100% ;-)";
  custom.flaketype = -128;
  custom.wind = 127;
  custom.speed = std::numeric_limits<std::int32_t>::min();
  Settings = custom;
  SaveSettings();
  Settings = SettingsRecord{};
  LoadSettings();
  EXPECT_EQ(Settings, custom);
}

TEST_F(SettingsFile, LoadingReadsValuesAsTheFileFormatDefinesThem) {
  const SettingsRecord defaults = Defaults();
  const struct {
    const char* name;
    std::string file;
    std::function<void(const SettingsRecord&)> check;
  } cases[] = {
      {"group and key ignore letter case", "[SCREENSAVER]\r\nFLAKES=100\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.flakes, 100); }},
      {"8-bit fields keep the low byte", "[Screensaver]\r\nflaketype=300\r\nwind=200\r\nexiton=-1\r\n",
       [](const SettingsRecord& s) {
         EXPECT_EQ(s.flaketype, 44);
         EXPECT_EQ(s.wind, -56);
         EXPECT_EQ(s.exiton, -1);
       }},
      {"an empty value is not a missing key", "[Screensaver]\r\nflakes =\r\nspeed\r\nbackgroundimage=\r\n",
       [](const SettingsRecord& s) {
         EXPECT_EQ(s.flakes, 0);
         EXPECT_EQ(s.speed, 0);
         EXPECT_EQ(s.backgroundimage, "");
       }},
      {"numbers are their leading digits", "[Screensaver]\r\nflakes= 250 flakes\r\nspeed=fast\r\nwind=+2x\r\n",
       [](const SettingsRecord& s) {
         EXPECT_EQ(s.flakes, 250);
         EXPECT_EQ(s.speed, 0);
         EXPECT_EQ(s.wind, 2);
       }},
      {"numbers beyond 32 bits saturate",
       "[Screensaver]\r\nflakes=99999999999999999999\r\nspeed=-99999999999\r\nexiton=4294967340\r\n",
       [](const SettingsRecord& s) {
         EXPECT_EQ(s.flakes, std::numeric_limits<std::int32_t>::max());
         EXPECT_EQ(s.speed, std::numeric_limits<std::int32_t>::min());
         EXPECT_EQ(s.exiton, -1);  // the low byte of INT32_MAX
       }},
      {"texts lose outer blanks and tabs", "[Screensaver]\r\nforegroundtext =  \t Merry Christmas \t \r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.foregroundtext, "Merry Christmas"); }},
      {"a value runs from the first = to the line end", "[Screensaver]\r\nbackgroundimage = /p/a=b;c.jpg ; x\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.backgroundimage, "/p/a=b;c.jpg ; x"); }},
      {"a file without byte order mark is Latin-1", "[Screensaver]\r\nforegroundtext=Caf\xE9\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.foregroundtext, "Caf\xC3\xA9"); }},
      {"a file with byte order mark is UTF-8", "\xEF\xBB\xBF[Screensaver]\r\nforegroundtext=Caf\xC3\xA9\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.foregroundtext, "Caf\xC3\xA9"); }},
      {"only the first group of a name is read",
       "[Screensaver]\r\nflakes=100\r\n[Other]\r\n[Screensaver]\r\nflakes=7\r\nspeed=9\r\n",
       [](const SettingsRecord& s) {
         EXPECT_EQ(s.flakes, 100);
         EXPECT_EQ(s.speed, 3);
       }},
      {"only the first key of a name is read", "[Screensaver]\r\nflakes=100\r\nFlakes=7\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.flakes, 100); }},
      {"keys before the first heading belong to no group", "flakes=100\r\n[Screensaver]\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.flakes, 500); }},
      {"comments, indentation and text after ] are no entries",
       "  ; flakes=1\r\n\t[Screensaver] ; note\r\n ;flakes=2\r\n   flakes\t= 42\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.flakes, 42); }},
      {"a Path from the file moves the default pictures", "[General]\r\nPath=/srv/snow/\r\n",
       [](const SettingsRecord& s) {
         EXPECT_EQ(s.Path, "/srv/snow/");
         EXPECT_EQ(s.backgroundimage, "/srv/snow/data/images/fullmoon.jpg");
         EXPECT_EQ(s.foregroundimage, "/srv/snow/data/foreground/happynewyear.bmp");
         EXPECT_EQ(s.customflakeimage, "/srv/snow/data/snowflakes/myflake2.png");
       }},
      {"an empty Path is derived from the program", "[General]\r\nPath=\r\n",
       [](const SettingsRecord& s) { EXPECT_EQ(s.Path, "/opt/frostlight/"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SettingsRecord loaded = LoadFrom(c.file);
    c.check(loaded);
    EXPECT_EQ(ConfigFile(), c.file) << "loading must not write";
  }
  // Fields the files do not name keep their defaults.
  SettingsRecord expected = defaults;
  expected.flakes = 100;
  EXPECT_EQ(LoadFrom("[SCREENSAVER]\r\nFLAKES=100\r\n"), expected);
}

TEST_F(SettingsFile, LineEndsOfAnyKindReadTheSame) {
  const std::string crlf = "[General]\r\nPath=/srv/\r\n\r\n[Screensaver]\r\nflakes=123\r\nforegroundtext=Hi\r\n";
  const SettingsRecord expected = LoadFrom(crlf);
  EXPECT_EQ(expected.flakes, 123);
  for (const char* end : {"\n", "\r", "\n\r\n\n"}) {
    std::string other;
    for (char c : crlf) {
      if (c == '\n') other += end;
      if (c != '\r' && c != '\n') other += c;
    }
    EXPECT_EQ(LoadFrom(other), expected) << "line end " << testing::PrintToString(end);
  }
  EXPECT_EQ(LoadFrom("[Screensaver]\nflakes=9").flakes, 9) << "no line end after the last line";
}

TEST_F(SettingsFile, SavingDropsWhatTheStoreDoesNotKnow) {
  // A default file with hand-made additions: comments, blank lines, an unknown
  // key and group, odd spacing and letter case.
  std::string edited = kDefaultFile;
  edited.insert(edited.find("[Window]"), "; my own note\r\n\r\n\r\n[Mine]\r\nsecret = 1\r\n");
  edited.replace(edited.find("flakes = 500"), 12, "  FLAKES\t=500");
  edited += "unknown = 5\r\n";
  LoadFrom(edited);
  SaveSettings();
  EXPECT_EQ(ConfigFile(), kDefaultFile);
}

TEST_F(SettingsFile, ALatin1FileIsSavedAsUtf8WithByteOrderMark) {
  LoadFrom("[Screensaver]\r\nforegroundtext=Caf\xE9\r\n");
  SaveSettings();
  const std::string saved = ConfigFile();
  EXPECT_EQ(saved.substr(0, 5), "\xEF\xBB\xBF\r\n");
  EXPECT_NE(saved.find("\r\nforegroundtext = Caf\xC3\xA9\r\n"), std::string::npos);
  EXPECT_EQ(LoadFrom(saved).foregroundtext, "Caf\xC3\xA9");
}

TEST_F(SettingsFile, ALineBreakInATextCannotAddEntriesToTheFile) {
  SetDefaultSettings();
  Settings.foregroundtext = "Snow\r\n[Screensaver]\nflakes = 1";
  SaveSettings();
  const SettingsRecord reloaded = LoadFrom(ConfigFile());
  EXPECT_EQ(reloaded.flakes, 500);
  EXPECT_EQ(reloaded.foregroundtext, "Snow  [Screensaver] flakes = 1");
}

TEST_F(SettingsFile, AFailedSaveIsSilentAndKeepsFileAndRecord) {
  files.files[kConfigPath] = "[Screensaver]\r\nflakes=100\r\n";
  LoadSettings();
  Settings.flakes = 900;
  const SettingsRecord before = Settings;
  files.failWrites = true;
  SaveSettings();
  EXPECT_EQ(ConfigFile(), "[Screensaver]\r\nflakes=100\r\n");
  EXPECT_EQ(Settings, before);
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace fl::test
