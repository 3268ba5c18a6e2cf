#pragma once
#include <string>

namespace fl {

// A process-wide named guard. Held until Release or the end of the process,
// even when the process crashes.
class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;
  // True when this process now holds the guard of that name.
  virtual bool Acquire(const std::string& name) = 0;
  virtual void Release() = 0;
};

}  // namespace fl
