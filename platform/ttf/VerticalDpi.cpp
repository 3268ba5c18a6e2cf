#include "platform/ttf/VerticalDpi.h"

#include <SDL.h>
#include <X11/Xlib.h>

namespace fl {

namespace {

constexpr double kDefaultDpi = 96.0;

// Servers without a monitor report made-up or zero sizes; such a figure would
// give absurd text sizes.
bool Plausible(double dpi) { return dpi >= 30.0 && dpi <= 1000.0; }

}  // namespace

double MeasureVerticalDpi() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
    float vertical = 0.0f;
    if (SDL_GetDisplayDPI(0, nullptr, nullptr, &vertical) == 0 && Plausible(vertical)) return vertical;
  }
  if (Display* display = XOpenDisplay(nullptr)) {
    const int screen = DefaultScreen(display);
    const int pixels = DisplayHeight(display, screen);
    const int millimetres = DisplayHeightMM(display, screen);
    XCloseDisplay(display);
    if (millimetres > 0) {
      const double dpi = pixels * 25.4 / millimetres;
      if (Plausible(dpi)) return dpi;
    }
  }
  return kDefaultDpi;
}

}  // namespace fl
