#include "saver/FlakeField.h"

#include <algorithm>
#include <limits>

#include "platform/Platform.h"
#include "platform/SpriteScreen.h"
#include "saver/FlakePicture.h"
#include "saver/Random.h"
#include "saver/RunClock.h"
#include "settings/Settings.h"

namespace fl {

std::vector<Flake> Flakes;
std::int32_t WindDrift = 0;
std::uint64_t JitterClock = 0;
bool JitterDue = false;
std::int32_t OpacityStep = 0;

namespace {

constexpr std::uint64_t WobbleInterval = 200;  // ms

// Positions and speeds come from settings that a hand-edited config.ini can push
// to any 32-bit value; sums are taken wide and kept in range instead of overflowing.
std::int32_t Saturated(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool MakeFlakeSprite(SpriteScreen& screen) {
  if (Settings.customflaketype != 0) {
    screen.LoadSprite(FlakeSpriteId, Settings.customflakeimage, true);
  } else {
    screen.LoadSpriteFromBytes(FlakeSpriteId, FlakePicture(Settings.flaketype), true);
  }
  return screen.SpriteExists(FlakeSpriteId);
}

}  // namespace

void SetUpFlakeField() {
  Flakes.clear();
  SpriteScreen* screen = Sys().screen;
  bool haveSprite = screen && MakeFlakeSprite(*screen);

  WindDrift = 0;
  if (Settings.wind == 3) Settings.wind = static_cast<std::int8_t>(Random(2));
  if (Settings.wind == 1) WindDrift = Saturated(2 * static_cast<std::int64_t>(Settings.speed));
  if (Settings.wind == 2) WindDrift = Saturated(-2 * static_cast<std::int64_t>(Settings.speed));

  // 255 / flakesize and Random(flakesize - 1) need a size of at least 1.
  if (Settings.flakesize < 1) Settings.flakesize = 1;
  OpacityStep = 255 / Settings.flakesize;

  if (!haveSprite) return;  // no picture: no flakes at all
  const int count = std::clamp(Settings.flakes, 0, MaxFlakes);
  Flakes.assign(static_cast<std::size_t>(count), Flake{});

  // Every rotation is drawn before the first record.
  for (int n = 1; n <= count; ++n) {
    screen->CopySprite(FlakeSpriteId, FirstFlakeSpriteId + n);
    screen->RotateSprite(FirstFlakeSpriteId + n, Random(360));
  }
  for (Flake& flake : Flakes) {
    flake.x = Random(Settings.videow);
    flake.driftX = 1 - Random(2);
    flake.y = Random(Settings.videoh);
    flake.fallY = Saturated(static_cast<std::int64_t>(Random(2)) + Settings.speed);
    flake.size = Random(Settings.flakesize - 1) + 1;
    flake.opacity = flake.size * OpacityStep - OpacityStep;
  }
}

void MoveFlakes() {
  std::uint64_t now = RunClock();
  if (now > JitterClock && now - JitterClock > WobbleInterval) {
    JitterDue = true;
    JitterClock = RunClock();
  }

  const std::int64_t width = Settings.videow;
  const std::int64_t height = Settings.videoh;
  const std::int64_t flakeSize = std::max(Settings.flakesize, 1);
  for (Flake& flake : Flakes) {
    // The edge tests look at the position before this frame's move.
    if (flake.x > width) flake.x = Saturated(flake.x - width - flakeSize);
    if (flake.x < -flakeSize) flake.x = Saturated(flake.x + width + flakeSize);
    if (flake.y > height) flake.y = Saturated(flake.y - height - flakeSize);
    if (flake.size > flakeSize) flake.size = static_cast<std::int32_t>(flakeSize);
    if (flake.size < 1) flake.size = 1;
    if (JitterDue) {
      flake.driftX = std::clamp(flake.driftX + 1 - Random(2), -2, 2);
      flake.sizeStep = 1 - Random(2);
      flake.size += flake.sizeStep;
    }
    flake.x = Saturated(static_cast<std::int64_t>(flake.x) + flake.driftX + WindDrift);
    flake.y = Saturated(static_cast<std::int64_t>(flake.y) + flake.fallY);
  }
  JitterDue = false;
}

void DrawFlakes() {
  SpriteScreen* screen = Sys().screen;
  if (!screen) return;
  int id = FirstFlakeSpriteId;
  for (const Flake& flake : Flakes) {
    ++id;
    screen->ZoomSprite(id, flake.size, flake.size);
    screen->DrawSpriteBlended(id, flake.x, flake.y, flake.opacity);
  }
}

}  // namespace fl
