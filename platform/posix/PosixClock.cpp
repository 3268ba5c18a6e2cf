#include "platform/posix/PosixClock.h"

#include <time.h>

#include <chrono>
#include <thread>

namespace fl {

std::uint64_t PosixClock::Milliseconds() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void PosixClock::Sleep(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

WallClock PosixClock::LocalNow() {
  time_t now = time(nullptr);
  struct tm local {};
  WallClock result;
  if (localtime_r(&now, &local) == nullptr) return result;
  result.year = local.tm_year + 1900;
  result.month = local.tm_mon + 1;
  result.day = local.tm_mday;
  result.hour = local.tm_hour;
  result.minute = local.tm_min;
  result.second = local.tm_sec;
  return result;
}

}  // namespace fl
