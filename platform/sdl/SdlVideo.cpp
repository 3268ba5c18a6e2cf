#include "platform/sdl/SdlVideo.h"

#include <SDL2/SDL.h>


namespace fl {
namespace {

void SetHints() {
  // The rest of the program speaks X11 (desktop capture, preview, dialogs), so
  // the display is the X server's; an SDL_VIDEODRIVER from the user still wins.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  // SIGINT and SIGTERM must keep ending the process; SDL would turn them into
  // quit events that nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The system's idle blanking is ours to switch (SetScreensaverRunning), not
  // SDL's as a side effect of starting video.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // A screensaver stays up when another window takes the focus.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // Relative motion from the core pointer: it sees every device that moves the
  // pointer (absolute tablets, virtual machines, synthetic test input), where
  // XInput2 raw motion misses absolute devices.
  SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_MODE_WARP, "1");
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
}

}  // namespace

bool StartSdlVideo() {
  SetHints();
  return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

void StopSdlVideo() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

bool SdlVideoRunning() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

}  // namespace fl
