#include "saver/RunClock.h"

#include <optional>

#include "platform/Clock.h"
#include "platform/Platform.h"

namespace fl {
namespace {

std::optional<std::uint64_t> run_start;

}  // namespace

std::uint64_t RunClock() {
  Clock* clock = Sys().clock;
  if (!clock) return 0;
  std::uint64_t now = clock->Milliseconds();
  if (!run_start) run_start = now;
  return now > *run_start ? now - *run_start : 0;
}

void StartRunClock() { run_start.reset(); }

}  // namespace fl
