#pragma once
#include "platform/InputDevice.h"
#include "platform/sdl/SdlEvents.h"

namespace fl {

// Keyboard and mouse of the full-screen display, read from the backend's
// shared event pump.
class SdlInput : public InputDevice {
 public:
  explicit SdlInput(SdlEvents& events) : events_(events) {}
  bool InitMouse() override;
  bool InitKeyboard() override;
  void ReadKeys(KeyStates& down) override;
  MouseMotion ReadMouse() override;

 private:
  SdlEvents& events_;
};

}  // namespace fl
