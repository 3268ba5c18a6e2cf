#include "app/Modes.h"

#include "saver/ScreenRun.h"
#include "settings/Settings.h"

namespace fl {

void RegisterBuiltInImages() {
  // The window pictures are registered by the window modes once they exist.
}

void RunMode(const CommandLine& line) {
  switch (line.mode) {
    case Mode::Screensaver:
      ScreensaverMode();
      break;
    case Mode::WriteConfig:
      SaveSettings();
      break;
    case Mode::Nothing:
    case Mode::Uninstall:
    case Mode::Preview:
    case Mode::Settings:
    case Mode::SettingsWithoutOwner:
      // The window modes are not part of this build yet: they end at once.
      break;
  }
}

}  // namespace fl
