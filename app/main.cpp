#include <string>
#include <vector>

#include "app/Startup.h"
#include "platform/linux/LinuxPlatform.h"

int main(int argc, char** argv) {
  fl::InstallLinuxPlatform(argc, argv);
  std::vector<std::string> parameters(argv + (argc > 0 ? 1 : 0), argv + argc);
  fl::RunProgram(parameters);
}
