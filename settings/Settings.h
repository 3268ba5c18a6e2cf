#pragma once
// The one record of all user settings. Fields are named after their config.ini
// keys; texts are UTF-8, numbers 32-bit signed, choices and switches 8-bit signed.
#include <cstdint>
#include <string>

namespace fl {

struct SettingsRecord {
  // [General]
  std::string Language;
  std::int32_t UpdateRange = 0;  // key "Update Range"
  std::int32_t UpdateDate = 0;   // key "Update Date", a DateValue
  std::string Path;              // InstallPath; ends with "/"

  // [Window]
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t X = 0;
  std::int32_t Y = 0;

  // [Screensaver]
  std::int32_t videow = 0;
  std::int32_t videoh = 0;
  std::int32_t videod = 0;
  std::int32_t flakes = 0;
  std::int8_t exiton = 0;
  std::int32_t exitontimer = 0;
  std::int32_t exitonsleep = 0;
  std::int8_t background = 0;
  std::string backgroundimage;
  std::int32_t blankr = 0;
  std::int32_t blankg = 0;
  std::int32_t blankb = 0;
  std::int8_t foreground = 0;
  std::string foregroundimage;
  std::int32_t foregroundimagex = 0;
  std::int32_t foregroundimagey = 0;
  std::int8_t foregroundtxt = 0;
  std::string foregroundtext;
  std::int32_t foregroundtextx = 0;
  std::int32_t foregroundtexty = 0;
  std::int8_t flaketype = 0;
  std::int8_t customflaketype = 0;
  std::string customflakeimage;
  std::int32_t flakesize = 0;
  std::int8_t wind = 0;
  std::int32_t speed = 0;

  bool operator==(const SettingsRecord&) const = default;
};

// The process's settings, alive from start-up to the end.
extern SettingsRecord Settings;

// Every field at its default for an installation folder: videow/videoh/videod
// from DesktopMode, the picture paths under installPath, Update Date now.
SettingsRecord DefaultSettings(const std::string& installPath);

// Every field to its default; videow/videoh/videod from DesktopMode.
void SetDefaultSettings();

// Keeps the low 8 bits of a number as a signed value: 300 -> 44, 200 -> -56.
std::int8_t LowByte(std::int64_t value);

// The folder part of the program file's path, up to and including the last "/" or "\".
std::string DerivedInstallPath();

// Seconds since 1970-01-01 00:00:00 of a local wall-clock time, computed without
// any zone shift; -1 for impossible dates and those outside 1970..2038-01-19 03:14:07.
std::int32_t DateValue(int year, int month, int day, int hour, int minute, int second);
// DateValue of the current local time.
std::int32_t CurrentDateValue();

// config.ini: read once at start-up, written whole by SaveSettings.
void LoadSettings();
void SaveSettings();

}  // namespace fl
