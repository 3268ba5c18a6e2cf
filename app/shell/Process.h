#pragma once
// Process-wide values set once during start-up, and the services every mode shares.
#include <string>

#include "platform/Displays.h"

namespace fl {

inline constexpr const char* ProductName = "Frostlight Screensaver";
inline constexpr int AppVersion = 200;

// Per-user data folder, always ending with "/"; holds config.ini, the captures
// and the screenshots.
extern std::string DataFolder;
// DataFolder + "config.ini".
extern std::string ConfigPath;
// The primary display's mode at start-up (all 0 without a display).
extern DisplayMode DesktopMode;

// "2.0" for 200, "2.0.1" for 201, "2.1" for 210.
std::string VersionText(int version);
// ProductName, a blank and VersionText(AppVersion).
std::string AppTitle();

// Makes the data folder when missing and sets DataFolder and ConfigPath.
void SetUpDataFolder();

// Hands a URL or a file to the desktop's opener; does not wait.
void OpenWithShell(const std::string& target);

// Releases every platform service and ends the process with exit code 0.
[[noreturn]] void EndProcess();
// Tests replace the final exit so that an early end can be observed.
using ExitFunction = void (*)(int code);
void SetExitFunction(ExitFunction exit);

}  // namespace fl
