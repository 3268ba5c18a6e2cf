#include "settings/Settings.h"

#include "app/shell/Process.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace fl {

SettingsRecord Settings;

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

SettingsRecord DefaultSettings(const std::string& installPath) {
  SettingsRecord s;
  s.Language = "en";
  s.UpdateRange = 2;
  s.UpdateDate = CurrentDateValue();
  s.Path = installPath;

  s.Width = 530;
  s.Height = 330;
  s.X = 200;
  s.Y = 200;

  s.videow = DesktopMode.width;
  s.videoh = DesktopMode.height;
  s.videod = DesktopMode.depth;
  s.flakes = 500;
  s.exiton = 0;
  s.exitontimer = 30;
  s.exitonsleep = 30;
  s.background = 1;
  s.backgroundimage = s.Path + "data/images/fullmoon.jpg";
  s.blankr = 0;
  s.blankg = 0;
  s.blankb = 0;
  s.foreground = 0;
  s.foregroundimage = s.Path + "data/foreground/happynewyear.bmp";
  s.foregroundimagex = 150;
  s.foregroundimagey = 50;
  s.foregroundtxt = 0;
  s.foregroundtextx = 290;
  s.foregroundtexty = 10;
  s.flaketype = 7;
  s.customflaketype = 0;
  s.customflakeimage = s.Path + "data/snowflakes/myflake2.png";
  s.flakesize = 17;
  s.wind = 3;
  s.speed = 3;
  return s;
}

void SetDefaultSettings() { Settings = DefaultSettings(DerivedInstallPath()); }

std::int8_t LowByte(std::int64_t value) {
  // Conversion to a signed type keeps the value modulo 2^8 (well defined since C++20).
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF));
}

std::string DerivedInstallPath() {
  FileSystem* files = Sys().files;
  if (files == nullptr) return {};
  const std::string program = files->ProgramPath();
  const std::size_t slash = program.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

std::int32_t DateValue(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1970 || year > 2038 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return -1;
  }
  std::int64_t days = 0;
  for (int y = 1970; y < year; ++y) days += IsLeapYear(y) ? 366 : 365;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  days += day - 1;
  const std::int64_t seconds = ((days * 24 + hour) * 60 + minute) * 60 + second;
  return seconds > INT32_MAX ? -1 : static_cast<std::int32_t>(seconds);
}

std::int32_t CurrentDateValue() {
  Clock* clock = Sys().clock;
  if (clock == nullptr) return -1;
  const WallClock now = clock->LocalNow();
  return DateValue(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

}  // namespace fl
