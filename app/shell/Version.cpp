#include <string>

#include "app/shell/Process.h"

namespace fl {

std::string VersionText(int version) {
  std::string text = std::to_string(version);
  // d1 "." d2 "." d3, the patch level dropped when it is 0.
  if (text.size() > 1) text.insert(1, ".");
  if (text.size() > 3) text.insert(3, ".");
  if (!text.empty() && text.back() == '0') text.resize(3);
  return text;
}

std::string AppTitle() { return std::string(ProductName) + " " + VersionText(AppVersion); }

}  // namespace fl
