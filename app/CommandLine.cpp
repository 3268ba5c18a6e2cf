#include "app/CommandLine.h"

#include <limits>

namespace fl {
namespace {

std::string Parameter(const std::vector<std::string>& parameters, std::size_t index) {
  return index < parameters.size() ? parameters[index] : std::string();
}

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// The second field of the text split at ":".
std::string SecondField(const std::string& text) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos) return std::string();
  std::size_t next = text.find(':', colon + 1);
  return text.substr(colon + 1, next == std::string::npos ? std::string::npos : next - colon - 1);
}

}  // namespace

std::string NormaliseParameter(const std::string& parameter) {
  std::size_t first = parameter.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  std::size_t last = parameter.find_last_not_of(" \t");
  std::string result = parameter.substr(first, last - first + 1);
  for (char& c : result) {
    if (c == '/') c = '-';
    else if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::int64_t ReadWindowNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'X' || text[i + 1] == 'x') &&
      DigitValue(text[i + 2], 16) >= 0) {
    base = 16;
    i += 2;
  }
  constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 16;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i], base);
    if (digit < 0) break;
    if (value > kLimit) {
      value = std::numeric_limits<std::int64_t>::max();
      break;
    }
    value = value * base + digit;
  }
  return negative ? -value : value;
}

CommandLine ReadCommandLine(const std::vector<std::string>& parameters) {
  CommandLine line;
  std::string normalised = NormaliseParameter(Parameter(parameters, 0));
  line.commandSwitch = normalised.substr(0, 2);
  const std::string& s = line.commandSwitch;
  if (s == "-U") line.mode = Mode::Uninstall;
  else if (s == "-P" || s == "-L") line.mode = Mode::Preview;
  else if (s == "-C") line.mode = Mode::Settings;
  else if (s == "-S") line.mode = Mode::Screensaver;
  else if (s == "-A") line.mode = Mode::Nothing;
  else if (s == "-I") line.mode = Mode::WriteConfig;
  else line.mode = Mode::SettingsWithoutOwner;

  if (line.mode == Mode::Preview || line.mode == Mode::Settings) {
    line.targetWindow = ReadWindowNumber(SecondField(normalised));
    if (line.targetWindow == 0) line.targetWindow = ReadWindowNumber(NormaliseParameter(Parameter(parameters, 1)));
  }
  return line;
}

}  // namespace fl
