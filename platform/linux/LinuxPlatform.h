#pragma once

namespace fl {

// Installs the Linux/X11 implementation of every platform service into Sys().
// The services start lazily: nothing here needs a display.
void InstallLinuxPlatform(int argc, char** argv);

}  // namespace fl
