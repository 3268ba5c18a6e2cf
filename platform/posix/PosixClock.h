#pragma once
#include "platform/Clock.h"

namespace fl {

class PosixClock : public Clock {
 public:
  std::uint64_t Milliseconds() override;
  void Sleep(int milliseconds) override;
  WallClock LocalNow() override;
};

}  // namespace fl
