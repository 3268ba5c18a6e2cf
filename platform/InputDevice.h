#pragma once
#include <array>

namespace fl {

// Key codes are PC set-1 scan codes (Escape 1, F1 59, F12 88); every key of the
// keyboard reads as some code from 0 to 254.
using KeyStates = std::array<bool, 256>;

struct MouseMotion {
  int dx = 0;
  int dy = 0;
  int wheel = 0;  // notches
};

class InputDevice {
 public:
  virtual ~InputDevice() = default;
  virtual bool InitMouse() = 0;
  virtual bool InitKeyboard() = 0;
  // One snapshot of all keys. A key pressed and let go since the last read still
  // reads as down once, so that no press is lost between two reads.
  virtual void ReadKeys(KeyStates& down) = 0;
  // Relative motion and wheel notches since the last read.
  virtual MouseMotion ReadMouse() = 0;
};

}  // namespace fl
