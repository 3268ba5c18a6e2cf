// Scan codes and the key and mouse state built from SDL events; no display needed.
#include <gtest/gtest.h>

#include <set>

#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlScancodes.h"

namespace fl {
namespace {

TEST(SdlScancodes, KnownKeysGetTheirPcCodes) {
  const std::pair<SDL_Scancode, int> cases[] = {
      {SDL_SCANCODE_ESCAPE, 1},   {SDL_SCANCODE_1, 2},       {SDL_SCANCODE_0, 11},
      {SDL_SCANCODE_F1, 59},      {SDL_SCANCODE_F10, 68},    {SDL_SCANCODE_F11, 87},
      {SDL_SCANCODE_F12, 88},     {SDL_SCANCODE_RCTRL, 0x9D}, {SDL_SCANCODE_UP, 0xC8},
      {SDL_SCANCODE_LEFT, 0xCB},  {SDL_SCANCODE_RIGHT, 0xCD}, {SDL_SCANCODE_DOWN, 0xD0},
      {SDL_SCANCODE_HOME, 0xC7},  {SDL_SCANCODE_KP_ENTER, 0x9C}, {SDL_SCANCODE_RETURN, 0x1C},
  };
  for (const auto& [sdl, pc] : cases) EXPECT_EQ(PcScanCode(sdl), pc) << SDL_GetScancodeName(sdl);
}

TEST(SdlScancodes, EveryScancodeReadsAsSomeKey) {
  // Out-of-range values as well: an unknown key must still end an "any key" run.
  for (int sdl = 0; sdl < SDL_NUM_SCANCODES + 10; ++sdl) {
    const int pc = PcScanCode(static_cast<SDL_Scancode>(sdl));
    EXPECT_GE(pc, 1) << sdl;
    EXPECT_LE(pc, 254) << sdl;
  }
  // Ordinary keys keep apart from each other and from the spare code.
  std::set<int> codes;
  for (int sdl = SDL_SCANCODE_A; sdl <= SDL_SCANCODE_SPACE; ++sdl) {
    codes.insert(PcScanCode(static_cast<SDL_Scancode>(sdl)));
  }
  EXPECT_EQ(codes.size(), static_cast<std::size_t>(SDL_SCANCODE_SPACE - SDL_SCANCODE_A + 1));
  EXPECT_EQ(codes.count(kSpareKeyCode), 0u);
}

SDL_Event Key(SDL_Scancode scancode, bool down, bool repeat = false) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.keysym.scancode = scancode;
  event.key.repeat = repeat ? 1 : 0;
  return event;
}

TEST(SdlEventsKeys, PressesBetweenReadsAreNotLost) {
  SdlEvents events;
  KeyStates down{};

  // A tap between two reads reads down once, then up.
  events.Handle(Key(SDL_SCANCODE_F12, true));
  events.Handle(Key(SDL_SCANCODE_F12, false));
  events.TakeKeys(down);
  EXPECT_TRUE(down[88]);
  events.TakeKeys(down);
  EXPECT_FALSE(down[88]);

  // A held key stays down, auto-repeat changes nothing, the release reads up.
  events.Handle(Key(SDL_SCANCODE_ESCAPE, true));
  events.Handle(Key(SDL_SCANCODE_ESCAPE, true, true));
  events.TakeKeys(down);
  EXPECT_TRUE(down[1]);
  events.TakeKeys(down);
  EXPECT_TRUE(down[1]);
  events.Handle(Key(SDL_SCANCODE_ESCAPE, false));
  events.TakeKeys(down);
  EXPECT_FALSE(down[1]);

  // Two keys with one code: the code is up only when both are.
  events.Handle(Key(SDL_SCANCODE_RALT, true));
  events.Handle(Key(SDL_SCANCODE_MODE, true));
  events.Handle(Key(SDL_SCANCODE_RALT, false));
  events.TakeKeys(down);
  events.TakeKeys(down);
  EXPECT_TRUE(down[0xB8]);
  events.Handle(Key(SDL_SCANCODE_MODE, false));
  events.TakeKeys(down);
  EXPECT_FALSE(down[0xB8]);

  // A release without a press (the key went down before the window) is ignored.
  events.Handle(Key(SDL_SCANCODE_A, false));
  events.Handle(Key(SDL_SCANCODE_A, true));
  events.Handle(Key(SDL_SCANCODE_A, false));
  events.TakeKeys(down);
  EXPECT_TRUE(down[0x1E]);
  events.TakeKeys(down);
  EXPECT_FALSE(down[0x1E]);
}

TEST(SdlEventsMouse, MotionAndWheelAddUpUntilRead) {
  SdlEvents events;
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.xrel = 7;
  motion.motion.yrel = -3;
  events.Handle(motion);
  events.Handle(motion);

  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 1;
  wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  events.Handle(wheel);
  events.Handle(wheel);
  // With natural scrolling the same turn of the wheel arrives negated.
  wheel.wheel.y = -1;
  wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
  events.Handle(wheel);

  const MouseMotion first = events.TakeMouse();
  EXPECT_EQ(first.dx, 14);
  EXPECT_EQ(first.dy, -6);
  EXPECT_EQ(first.wheel, 3);
  const MouseMotion second = events.TakeMouse();
  EXPECT_EQ(second.dx, 0);
  EXPECT_EQ(second.dy, 0);
  EXPECT_EQ(second.wheel, 0);
}

}  // namespace
}  // namespace fl
