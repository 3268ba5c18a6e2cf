// Command lines from arbitrary bytes: parameters are split at NUL bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> parameters(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) parameters.emplace_back();
    else parameters.back().push_back(static_cast<char>(data[i]));
  }
  fl::CommandLine line = fl::ReadCommandLine(parameters);
  return line.commandSwitch.size() <= 2 ? 0 : 1;
}
