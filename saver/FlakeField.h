#pragma once
// The falling snow: one rotated, scaled copy of the flake picture per flake.
#include <cstdint>
#include <vector>

namespace fl {

inline constexpr int FlakeSpriteId = 5;
// Flake n (1-based) is drawn with sprite FirstFlakeSpriteId + n.
inline constexpr int FirstFlakeSpriteId = 100;
// Upper bound on the flake count of one run. The settings window offers at most
// 2000; a hand-edited config.ini could ask for billions of records and sprites,
// so larger counts are cut to this.
inline constexpr int MaxFlakes = 100000;

struct Flake {
  std::int32_t x = 0;        // left edge, pixels
  std::int32_t y = 0;        // top edge, pixels
  std::int32_t size = 0;     // side of the drawn square, pixels
  std::int32_t opacity = 0;  // 0..255, fixed at set-up
  std::int32_t driftX = 0;   // own sideways motion per frame, -2..2
  std::int32_t fallY = 0;    // downward motion per frame, fixed at set-up
  std::int32_t sizeStep = 0; // size change of the last wobble, -1..1

  friend bool operator==(const Flake&, const Flake&) = default;
};

// The records of this run's flakes, flake n at index n - 1. Empty when the
// flake picture could not be made.
extern std::vector<Flake> Flakes;
// Added to every flake's x each frame.
extern std::int32_t WindDrift;
// RunClock reading of the last wobble.
extern std::uint64_t JitterClock;
// Whether this frame's MoveFlakes applies the wobble.
extern bool JitterDue;
// 255 / flakesize: the opacity gained per pixel of size.
extern std::int32_t OpacityStep;

// Makes the flake picture (sprite 5), its copies and the flake records from
// Settings. Expects JitterClock and JitterDue set by the run set-up. A flakesize
// below 1 is taken as 1 and a wind of 3 as a random direction, both in memory
// for this run.
void SetUpFlakeField();
// One frame of motion, with a wobble when more than 200 ms passed since the last.
void MoveFlakes();
// Draws every flake at its size, position and opacity.
void DrawFlakes();

}  // namespace fl
