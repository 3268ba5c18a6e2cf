#include "platform/sdl/SdlInput.h"

#include "platform/sdl/SdlVideo.h"

namespace fl {

bool SdlInput::InitMouse() {
  events_.WantRelativeMouse();
  return SdlVideoRunning();
}

bool SdlInput::InitKeyboard() { return SdlVideoRunning(); }

void SdlInput::ReadKeys(KeyStates& down) {
  events_.Pump();
  events_.TakeKeys(down);
}

MouseMotion SdlInput::ReadMouse() {
  events_.Pump();
  return events_.TakeMouse();
}

}  // namespace fl
