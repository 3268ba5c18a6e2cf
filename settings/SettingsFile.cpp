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
  SettingsRecord d = DefaultSettings(std::string());

  ini.SelectGroup("General");
  s.Language = ini.ReadText("Language", d.Language);
  s.UpdateRange = ini.ReadInteger("Update Range", d.UpdateRange);
  s.UpdateDate = ini.ReadInteger("Update Date", d.UpdateDate);
  s.Path = ini.ReadText("Path", "");
  if (s.Path.empty()) s.Path = DerivedInstallPath();
  // The picture defaults follow the Path just read, so a moved installation
  // named in the file moves them too.
  d = DefaultSettings(s.Path);

  ini.SelectGroup("Window");
  s.Width = ini.ReadInteger("Width", d.Width);
  s.Height = ini.ReadInteger("Height", d.Height);
  s.X = ini.ReadInteger("X", d.X);
  s.Y = ini.ReadInteger("Y", d.Y);

  ini.SelectGroup("Screensaver");
  s.videow = ini.ReadInteger("videow", d.videow);
  s.videoh = ini.ReadInteger("videoh", d.videoh);
  s.videod = ini.ReadInteger("videod", d.videod);
  s.flakes = ini.ReadInteger("flakes", d.flakes);
  s.exiton = LowByte(ini.ReadInteger("exiton", d.exiton));
  s.exitontimer = ini.ReadInteger("exitontimer", d.exitontimer);
  s.exitonsleep = ini.ReadInteger("exitonsleep", d.exitonsleep);
  s.background = LowByte(ini.ReadInteger("background", d.background));
  s.backgroundimage = ini.ReadText("backgroundimage", d.backgroundimage);
  s.blankr = ini.ReadInteger("blankr", d.blankr);
  s.blankg = ini.ReadInteger("blankg", d.blankg);
  s.blankb = ini.ReadInteger("blankb", d.blankb);
  s.foreground = LowByte(ini.ReadInteger("foreground", d.foreground));
  s.foregroundimage = ini.ReadText("foregroundimage", d.foregroundimage);
  s.foregroundimagex = ini.ReadInteger("foregroundimagex", d.foregroundimagex);
  s.foregroundimagey = ini.ReadInteger("foregroundimagey", d.foregroundimagey);
  s.foregroundtxt = LowByte(ini.ReadInteger("foregroundtxt", d.foregroundtxt));
  s.foregroundtext = WithoutOuterBlanks(ini.ReadText("foregroundtext", d.foregroundtext));
  s.foregroundtextx = ini.ReadInteger("foregroundtextx", d.foregroundtextx);
  s.foregroundtexty = ini.ReadInteger("foregroundtexty", d.foregroundtexty);
  s.flaketype = LowByte(ini.ReadInteger("flaketype", d.flaketype));
  s.customflaketype = LowByte(ini.ReadInteger("customflaketype", d.customflaketype));
  s.customflakeimage = ini.ReadText("customflakeimage", d.customflakeimage);
  s.flakesize = ini.ReadInteger("flakesize", d.flakesize);
  s.wind = LowByte(ini.ReadInteger("wind", d.wind));
  s.speed = ini.ReadInteger("speed", d.speed);

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
