#pragma once
#include <string>

namespace fl {

// Hands a URL or file to the desktop's opener without waiting for it.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void Open(const std::string& target) = 0;
};

}  // namespace fl
