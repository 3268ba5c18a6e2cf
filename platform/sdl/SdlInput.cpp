#include "platform/sdl/SdlInput.h"

#include <SDL2/SDL.h>

#include "platform/sdl/SdlVideo.h"

namespace fl {

bool SdlInput::InitMouse() {
  events_.WantRelativeMouse();
  return SdlVideoRunning();
}

bool SdlInput::InitKeyboard() {
  if (!SdlVideoRunning()) return false;
  // Keys are read by scan code; an input method would swallow some of them.
  SDL_StopTextInput();
  return true;
}

void SdlInput::ReadKeys(KeyStates& down) {
  events_.Pump();
  events_.TakeKeys(down);
}

MouseMotion SdlInput::ReadMouse() {
  events_.Pump();
  return events_.TakeMouse();
}

}  // namespace fl
