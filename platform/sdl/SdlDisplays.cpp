#include "platform/sdl/SdlDisplays.h"

#include <SDL2/SDL.h>

#include <cstdlib>

#include "platform/sdl/SdlVideo.h"

namespace fl {

int BitsPerPixel(unsigned int sdlPixelFormat) {
  if (SDL_BYTESPERPIXEL(sdlPixelFormat) == 4) return 32;
  return static_cast<int>(SDL_BITSPERPIXEL(sdlPixelFormat));
}

DisplayMode SdlDisplays::PrimaryMode() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return {};
  // Start video for this query only when nobody else holds it.
  const bool startedHere = !SdlVideoRunning();
  if (startedHere && !StartSdlVideo()) return {};
  DisplayMode result;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    result = {mode.w, mode.h, BitsPerPixel(mode.format)};
  }
  if (startedHere) StopSdlVideo();
  return result;
}

}  // namespace fl
