// Keys, motion and the wheel from synthetic X input (xdotool) through SDL.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SdlTestSupport.h"
#include "platform/sdl/SdlBackend.h"

namespace fl {
namespace {

constexpr int kPolls = 400;  // of 5 ms each: a bound, not a wait

bool Xdotool(const std::string& arguments) { return std::system(("xdotool " + arguments).c_str()) == 0; }

// Motion read until a read brings none after some arrived (the warp back to
// the centre adds nothing of its own).
MouseMotion ReadMotion(InputDevice& input) {
  MouseMotion total;
  bool arrived = false;
  for (int poll = 0; poll < kPolls; ++poll) {
    const MouseMotion read = input.ReadMouse();
    const bool moved = read.dx != 0 || read.dy != 0 || read.wheel != 0;
    if (arrived && !moved) break;
    arrived = arrived || moved;
    total.dx += read.dx;
    total.dy += read.dy;
    total.wheel += read.wheel;
    SDL_Delay(5);
  }
  return total;
}

class SdlInputTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::SdlTestDisplay::Start()) << "Xvfb did not start";
    // The order of the screen run: sprites, input, then the display.
    ASSERT_TRUE(sdl.screen.InitSprites()) << SDL_GetError();
    EXPECT_TRUE(sdl.input.InitMouse());
    EXPECT_TRUE(sdl.input.InitKeyboard());
    ASSERT_TRUE(sdl.screen.Open(test::kScreenWidth, test::kScreenHeight, 32, "input"));
    sdl.screen.Clear(0);
    sdl.screen.Flip();
  }
  SdlBackend sdl;
};

TEST_F(SdlInputTest, AQuickTapReadsDownOnceThenUp) {
  ASSERT_TRUE(Xdotool("key F12"));
  // Let both X events reach SDL's queue, so that one read comes after the release.
  bool released = false;
  for (int poll = 0; poll < kPolls && !released; ++poll) {
    SDL_PumpEvents();
    SDL_Event event;
    released = SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_KEYUP, SDL_KEYUP) > 0;
    if (!released) SDL_Delay(5);
  }
  ASSERT_TRUE(released);

  KeyStates down{};
  sdl.input.ReadKeys(down);
  EXPECT_TRUE(down[88]);
  int othersDown = 0;
  for (std::size_t code = 0; code < down.size(); ++code) othersDown += code != 88 && down[code];
  EXPECT_EQ(othersDown, 0);
  sdl.input.ReadKeys(down);
  EXPECT_FALSE(down[88]);
}

TEST_F(SdlInputTest, RelativeAndAbsolutePointerMovesReadAsMotion) {
  // Opening the display brings no motion of its own.
  MouseMotion start = sdl.input.ReadMouse();
  EXPECT_EQ(start.dx, 0);
  EXPECT_EQ(start.dy, 0);

  ASSERT_TRUE(Xdotool("mousemove_relative -- 60 0"));
  MouseMotion moved = ReadMotion(sdl.input);
  EXPECT_EQ(moved.dx, 60);
  EXPECT_EQ(moved.dy, 0);

  // The pointer sits at the centre again; an absolute move counts from there.
  ASSERT_TRUE(Xdotool("mousemove 10 10"));
  moved = ReadMotion(sdl.input);
  EXPECT_EQ(moved.dx, 10 - test::kScreenWidth / 2);
  EXPECT_EQ(moved.dy, 10 - test::kScreenHeight / 2);

  ASSERT_TRUE(Xdotool("click 4"));
  EXPECT_EQ(ReadMotion(sdl.input).wheel, 1);
  ASSERT_TRUE(Xdotool("click 5"));
  EXPECT_EQ(ReadMotion(sdl.input).wheel, -1);

  // Closing hands the pointer back.
  EXPECT_TRUE(SDL_GetRelativeMouseMode());
  sdl.screen.Close();
  EXPECT_FALSE(SDL_GetRelativeMouseMode());
}

}  // namespace
}  // namespace fl
