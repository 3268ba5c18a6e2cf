#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/Modes.h"
#include "app/shell/Process.h"
#include "platform/Displays.h"
#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"

namespace fl {

void RunProgram(const std::vector<std::string>& parameters) {
  InstanceGuard* guard = Sys().guard;
  if (guard && !guard->Acquire(AppTitle())) EndProcess();

  SetUpDataFolder();
  DesktopMode = Sys().displays ? Sys().displays->PrimaryMode() : DisplayMode{};
  LoadSettings();
  BuildTextTable();
  RegisterBuiltInImages();

  RunMode(ReadCommandLine(parameters));

  if (guard) guard->Release();
  EndProcess();
}

}  // namespace fl
