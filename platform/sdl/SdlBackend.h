#pragma once
// The SDL backend in one piece: display query, full-screen sprite display and
// input, sharing one event pump.
#include "platform/sdl/SdlDisplays.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlScreen.h"

namespace fl {

struct SdlBackend {
  SdlEvents events;
  SdlDisplays displays;
  SdlScreen screen{events};
  SdlInput input{events};
};

}  // namespace fl
