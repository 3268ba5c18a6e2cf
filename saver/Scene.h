#pragma once
// Everything drawn besides the flakes: the background behind the snow, and the
// foreground picture and text above it.
#include <cstdint>

namespace fl {

inline constexpr int BackgroundSpriteId = 1;
inline constexpr int ForegroundSpriteId = 6;
inline constexpr int TextSpriteId = 7;
inline constexpr int TextFontId = 0;

// The colour each frame starts from: red in bits 0-7, green 8-15, blue 16-23.
extern std::uint32_t ClearColour;
// Whether the background sprite is drawn each frame.
extern bool BackgroundVisible;

// Makes sprites 1, 6 and 7 as Settings ask for them; for the blank background
// sets ClearColour and clears BackgroundVisible. Expects the display open and
// ClearColour and BackgroundVisible at their starting values.
void SetUpScene();

// blankr + 256 x blankg + 65536 x blankb, combined as they stand (out-of-range
// components spill into the next ones) and kept to 32 bits.
std::uint32_t BlankColour(std::int32_t red, std::int32_t green, std::int32_t blue);

}  // namespace fl
