#pragma once

namespace fl {

struct DisplayMode {
  int width = 0;
  int height = 0;
  int depth = 0;  // bits per pixel; 32 for 4-byte formats
};

class Displays {
 public:
  virtual ~Displays() = default;
  // The primary display's current mode; all 0 without a display.
  virtual DisplayMode PrimaryMode() = 0;
};

}  // namespace fl
