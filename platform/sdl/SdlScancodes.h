#pragma once
#include <SDL2/SDL_scancode.h>

#include <cstdint>

namespace fl {

// Keys that have no PC scan code of their own all read as this one, so that
// "any key" still sees them.
inline constexpr std::uint8_t kSpareKeyCode = 0x54;

// The PC set-1 scan code of a key, extended keys as 0x80 | code (right Ctrl
// 0x9D, Up 0xC8). Every SDL scancode, unknown and out-of-range ones included,
// gives a code from 1 to 254.
std::uint8_t PcScanCode(SDL_Scancode scancode);

}  // namespace fl
