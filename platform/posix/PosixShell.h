#pragma once
#include "platform/Shell.h"

namespace fl {

// Hands targets to xdg-open in a detached process that is never waited for.
class PosixShell : public Shell {
 public:
  void Open(const std::string& target) override;
};

}  // namespace fl
