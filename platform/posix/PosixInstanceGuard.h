#pragma once
#include "platform/InstanceGuard.h"

namespace fl {

// An exclusive lock on a file named after the guard in $XDG_RUNTIME_DIR (else the
// temporary folder). The system drops the lock with the process, so a crashed
// instance never blocks the next one.
class PosixInstanceGuard : public InstanceGuard {
 public:
  ~PosixInstanceGuard() override;
  bool Acquire(const std::string& name) override;
  void Release() override;

  // The lock file used for a guard name.
  static std::string LockPath(const std::string& name);

 private:
  int fd_ = -1;
};

}  // namespace fl
