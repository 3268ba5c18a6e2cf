#pragma once
#include <string>
#include <vector>

namespace fl {

// The whole life of the process after the platform services are installed: the
// guard, the data folder, the display mode, the settings and texts, then the one
// mode the command line selects. Ends through EndProcess.
[[noreturn]] void RunProgram(const std::vector<std::string>& parameters);

}  // namespace fl
