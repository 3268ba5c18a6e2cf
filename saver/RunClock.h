#pragma once
// Milliseconds since the set-up of the screen run.
#include <cstdint>

namespace fl {

// 0 at the first read after StartRunClock (or the first read of the process),
// then the milliseconds since that read; never goes back.
std::uint64_t RunClock();

// Makes the next RunClock read the run's first one; called when a run starts.
void StartRunClock();

}  // namespace fl
