#pragma once
// Reading the switch and the window named on the command line.
#include <cstdint>
#include <string>
#include <vector>

namespace fl {

enum class Mode { Uninstall, Preview, Settings, Screensaver, Nothing, WriteConfig, SettingsWithoutOwner };

struct CommandLine {
  std::string commandSwitch;  // first two characters of the normalised parameter
  Mode mode = Mode::SettingsWithoutOwner;
  std::int64_t targetWindow = 0;  // 0 = none; read for the preview and settings switches
};

// Blanks trimmed, "/" turned into "-", upper case.
std::string NormaliseParameter(const std::string& parameter);

// Leading blanks and tabs, an optional sign, then decimal digits (or "0x" and hex
// digits, as window ids are often written); no digits read as 0. Saturates.
std::int64_t ReadWindowNumber(const std::string& text);

// parameters[0] is the first parameter after the program's own name.
CommandLine ReadCommandLine(const std::vector<std::string>& parameters);

}  // namespace fl
