// config.ini <-> Settings. Keys are read and written in one fixed order so that
// files written by any version look alike.
#include <string>

#include "app/shell/Process.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace fl {
namespace {

std::string WithoutOuterBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void LoadSettings() {
  IniFile ini;
  if (!ini.OpenForReading(ConfigPath)) {
    SetDefaultSettings();
    return;
  }
  SettingsRecord& s = Settings;

  ini.SelectGroup("General");
  s.Language = ini.ReadText("Language", "en");
  s.UpdateRange = ini.ReadInteger("Update Range", 2);
  s.UpdateDate = ini.ReadInteger("Update Date", CurrentDateValue());
  s.Path = ini.ReadText("Path", "");
  if (s.Path.empty()) s.Path = DerivedInstallPath();

  ini.SelectGroup("Window");
  s.Width = ini.ReadInteger("Width", 530);
  s.Height = ini.ReadInteger("Height", 330);
  s.X = ini.ReadInteger("X", 200);
  s.Y = ini.ReadInteger("Y", 200);

  // The picture defaults follow the Path just read, so a moved installation
  // named in the file moves them too.
  ini.SelectGroup("Screensaver");
  s.videow = ini.ReadInteger("videow", DesktopMode.width);
  s.videoh = ini.ReadInteger("videoh", DesktopMode.height);
  s.videod = ini.ReadInteger("videod", DesktopMode.depth);
  s.flakes = ini.ReadInteger("flakes", 500);
  s.exiton = LowByte(ini.ReadInteger("exiton", 0));
  s.exitontimer = ini.ReadInteger("exitontimer", 30);
  s.exitonsleep = ini.ReadInteger("exitonsleep", 30);
  s.background = LowByte(ini.ReadInteger("background", 1));
  s.backgroundimage = ini.ReadText("backgroundimage", s.Path + "data/images/fullmoon.jpg");
  s.blankr = ini.ReadInteger("blankr", 0);
  s.blankg = ini.ReadInteger("blankg", 0);
  s.blankb = ini.ReadInteger("blankb", 0);
  s.foreground = LowByte(ini.ReadInteger("foreground", 0));
  s.foregroundimage = ini.ReadText("foregroundimage", s.Path + "data/foreground/happynewyear.bmp");
  s.foregroundimagex = ini.ReadInteger("foregroundimagex", 150);
  s.foregroundimagey = ini.ReadInteger("foregroundimagey", 50);
  s.foregroundtxt = LowByte(ini.ReadInteger("foregroundtxt", 0));
  s.foregroundtext = WithoutOuterBlanks(ini.ReadText("foregroundtext", ""));
  s.foregroundtextx = ini.ReadInteger("foregroundtextx", 290);
  s.foregroundtexty = ini.ReadInteger("foregroundtexty", 10);
  s.flaketype = LowByte(ini.ReadInteger("flaketype", 7));
  s.customflaketype = LowByte(ini.ReadInteger("customflaketype", 0));
  s.customflakeimage = ini.ReadText("customflakeimage", s.Path + "data/snowflakes/myflake2.png");
  s.flakesize = ini.ReadInteger("flakesize", 17);
  s.wind = LowByte(ini.ReadInteger("wind", 3));
  s.speed = ini.ReadInteger("speed", 3);

  ini.Close();
}

void SaveSettings() {
  // The whole file is built in memory and replaces the old one in a single
  // step, so a crash or a full disk mid-save never leaves a cut-short file.
  IniFile ini;
  if (!ini.CreateForWriting(ConfigPath)) return;
  const SettingsRecord& s = Settings;

  ini.SelectGroup("General");
  ini.WriteText("Language", s.Language);
  ini.WriteInteger("Update Range", s.UpdateRange);
  ini.WriteInteger("Update Date", s.UpdateDate);
  ini.WriteText("Path", s.Path);
  ini.WriteComment("");

  ini.SelectGroup("Window");
  ini.WriteInteger("Width", s.Width);
  ini.WriteInteger("Height", s.Height);
  ini.WriteInteger("X", s.X);
  ini.WriteInteger("Y", s.Y);
  ini.WriteComment("");

  ini.SelectGroup("Screensaver");
  ini.WriteInteger("videow", s.videow);
  ini.WriteInteger("videoh", s.videoh);
  ini.WriteInteger("videod", s.videod);
  ini.WriteInteger("flakes", s.flakes);
  ini.WriteInteger("exiton", s.exiton);
  ini.WriteInteger("exitontimer", s.exitontimer);
  ini.WriteInteger("exitonsleep", s.exitonsleep);
  ini.WriteInteger("background", s.background);
  ini.WriteText("backgroundimage", s.backgroundimage);
  ini.WriteInteger("blankr", s.blankr);
  ini.WriteInteger("blankg", s.blankg);
  ini.WriteInteger("blankb", s.blankb);
  ini.WriteInteger("foreground", s.foreground);
  ini.WriteText("foregroundimage", s.foregroundimage);
  ini.WriteInteger("foregroundimagex", s.foregroundimagex);
  ini.WriteInteger("foregroundimagey", s.foregroundimagey);
  ini.WriteInteger("foregroundtxt", s.foregroundtxt);
  ini.WriteText("foregroundtext", s.foregroundtext);
  ini.WriteInteger("foregroundtextx", s.foregroundtextx);
  ini.WriteInteger("foregroundtexty", s.foregroundtexty);
  ini.WriteInteger("flaketype", s.flaketype);
  ini.WriteInteger("customflaketype", s.customflaketype);
  ini.WriteText("customflakeimage", s.customflakeimage);
  ini.WriteInteger("flakesize", s.flakesize);
  ini.WriteInteger("wind", s.wind);
  ini.WriteInteger("speed", s.speed);
  ini.WriteComment("");

  // A failed save is silent: the old file stays as it was.
  ini.Close();
}

}  // namespace fl
