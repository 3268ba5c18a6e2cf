#pragma once
// SDL's video subsystem, started and stopped by reference count so that the
// display query, the screen and the input can each hold it independently.

namespace fl {

// Sets the hints our backend depends on, then starts SDL video. False when
// there is no display to talk to; SDL prints nothing in that case.
bool StartSdlVideo();
// Releases one StartSdlVideo that succeeded.
void StopSdlVideo();
bool SdlVideoRunning();

}  // namespace fl
