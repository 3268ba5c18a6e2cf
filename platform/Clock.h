#pragma once
#include <cstdint>

namespace fl {

struct WallClock {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Monotonic milliseconds from an arbitrary start; never goes back.
  virtual std::uint64_t Milliseconds() = 0;
  virtual void Sleep(int milliseconds) = 0;
  // The local wall-clock date and time.
  virtual WallClock LocalNow() = 0;
};

}  // namespace fl
