#pragma once
#include "platform/Displays.h"

namespace fl {

// Display modes of SDL's display 0.
class SdlDisplays : public Displays {
 public:
  DisplayMode PrimaryMode() override;
};

// Bits per pixel as the program counts them: 32 for every 4-byte format
// (SDL calls X8R8G8B8 24 bits), else SDL's own count.
int BitsPerPixel(unsigned int sdlPixelFormat);

}  // namespace fl
