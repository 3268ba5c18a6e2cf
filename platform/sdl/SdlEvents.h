#pragma once
#include <SDL2/SDL.h>

#include <array>

#include "platform/InputDevice.h"

namespace fl {

// The one event pump of the SDL backend. The screen pumps it on every flip and
// the input device on every read; key and mouse events land in the state kept
// here until the input device takes them.
class SdlEvents {
 public:
  // Takes every pending SDL event.
  void Pump();
  // Feeds one event into the input state (exposed so that the state can be
  // driven without a display).
  void Handle(const SDL_Event& event);

  // Keys held now or pressed since the last call; clears the presses.
  void TakeKeys(KeyStates& down);
  // Motion and wheel notches since the last call.
  MouseMotion TakeMouse();
  // Forgets every key and all motion.
  void Reset();

  // Relative mouse motion over the display window, wanted from now on; takes
  // effect on the open window, or when the next one opens.
  void WantRelativeMouse();
  void WindowOpened(SDL_Window* window);
  void WindowClosing();

 private:
  void AwaitFocus();
  void StartRelativeMouse();
  void OnKey(SDL_Scancode scancode, bool down);

  std::array<bool, SDL_NUM_SCANCODES> held_{};  // by SDL scancode
  std::array<int, 256> heldCount_{};            // held SDL keys per PC code
  std::array<bool, 256> pressed_{};             // pressed since the last take
  MouseMotion motion_;
  SDL_Window* window_ = nullptr;
  bool relativeWanted_ = false;
};

}  // namespace fl
