#include "app/shell/Process.h"

#include <cstdio>
#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace fl {

std::string DataFolder;
std::string ConfigPath;
DisplayMode DesktopMode;

namespace {

ExitFunction exit_function = nullptr;

std::string TrimBlanks(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Appends one folder level, making it when nothing is there yet.
void EnterFolder(std::string& path, const char* name) {
  FileSystem* files = Sys().files;
  std::string folder = path + name + "/";
  if (files && files->Kind(folder) == PathKind::None) files->MakeFolder(folder);
  path = folder;
}

}  // namespace

void SetUpDataFolder() {
  std::string base = Sys().files ? TrimBlanks(Sys().files->UserDataFolder()) : std::string();
  if (base.empty() || base.back() != '/') base += '/';
  EnterFolder(base, "Larkmoor");
  EnterFolder(base, "Frostlight Screensaver");
  DataFolder = base;
  ConfigPath = DataFolder + "config.ini";
}

void OpenWithShell(const std::string& target) {
  if (Sys().shell) Sys().shell->Open(target);
}

void SetExitFunction(ExitFunction exit) { exit_function = exit; }

void EndProcess() {
  if (Sys().shutdown) {
    void (*shutdown)() = Sys().shutdown;
    Sys().shutdown = nullptr;  // an end taken while shutting down must not loop
    shutdown();
  }
  std::fflush(nullptr);
  if (exit_function) exit_function(0);
  std::exit(0);
}

}  // namespace fl
