#include "platform/sdl/SdlEvents.h"

#include "platform/sdl/SdlScancodes.h"

namespace fl {

void SdlEvents::Pump() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) Handle(event);
}

void SdlEvents::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      OnKey(event.key.keysym.scancode, event.type == SDL_KEYDOWN);
      break;
    case SDL_MOUSEMOTION:
      motion_.dx += event.motion.xrel;
      motion_.dy += event.motion.yrel;
      break;
    case SDL_MOUSEWHEEL:
      // Away from the user counts positive, whatever the system's scroll setting.
      motion_.wheel += event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      break;
    default:
      break;
  }
}

void SdlEvents::OnKey(SDL_Scancode scancode, bool down) {
  const auto index = static_cast<unsigned int>(scancode);
  if (index >= held_.size() || held_[index] == down) return;  // repeats and strays
  held_[index] = down;
  const std::uint8_t code = PcScanCode(scancode);
  if (down) {
    ++heldCount_[code];
    pressed_[code] = true;
  } else {
    --heldCount_[code];
  }
}

void SdlEvents::TakeKeys(KeyStates& down) {
  for (std::size_t code = 0; code < down.size(); ++code) {
    down[code] = heldCount_[code] > 0 || pressed_[code];
  }
  pressed_.fill(false);
}

MouseMotion SdlEvents::TakeMouse() {
  MouseMotion taken = motion_;
  motion_ = {};
  return taken;
}

void SdlEvents::Reset() {
  held_.fill(false);
  heldCount_.fill(0);
  pressed_.fill(false);
  motion_ = {};
}

void SdlEvents::WantRelativeMouse() {
  relativeWanted_ = true;
  if (window_) StartRelativeMouse();
}

void SdlEvents::WindowOpened(SDL_Window* window) {
  window_ = window;
  AwaitFocus();
  if (relativeWanted_) StartRelativeMouse();
  // Keys pressed meanwhile count; motion does not: mapping the window and
  // centring the pointer move it without the user.
  motion_ = {};
}

void SdlEvents::WindowClosing() {
  if (window_ && SDL_GetRelativeMouseMode()) SDL_SetRelativeMouseMode(SDL_FALSE);
  Pump();
  window_ = nullptr;
  Reset();
}

// Relative motion needs the keyboard focus (SDL recentres the pointer only for
// a focused window), and SDL's X11 driver reports a gained focus a little
// late; a new window asks for it and waits briefly.
void SdlEvents::AwaitFocus() {
  constexpr int kPolls = 200;  // of 5 ms
  SDL_RaiseWindow(window_);
  for (int poll = 0; poll < kPolls && SDL_GetKeyboardFocus() != window_; ++poll) {
    SDL_Delay(5);
    Pump();
  }
}

// SDL's relative mode keeps the pointer at the window's centre and reports how
// far it moved. After enabling it, SDL drops the first motion that arrives as a
// "first positioning"; a nudge of one pixel is that first motion, so that the
// user's first movement counts in full. Both warps flush the X connection, so
// everything they produce is pumped and discarded here.
void SdlEvents::StartRelativeMouse() {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  SDL_WarpMouseInWindow(window_, width / 2, height / 2);
  Pump();
  if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) return;
  SDL_WarpMouseInWindow(window_, width / 2 + 1, height / 2);
  Pump();
  motion_ = {};
}

}  // namespace fl
