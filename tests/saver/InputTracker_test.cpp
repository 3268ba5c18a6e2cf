#include "saver/InputTracker.h"

#include <climits>

#include <gtest/gtest.h>

#include "tests/fakes/FakeInputDevice.h"

namespace fl::test {
namespace {

constexpr int KeyA = 30;
constexpr int KeyB = 48;

class KeyboardStateTest : public ::testing::Test {
 protected:
  // Plays one more read of the script.
  void Read() { keyboard.Read(device); }

  FakeInputDevice device;
  KeyboardState keyboard;
};

TEST_F(KeyboardStateTest, APressCountsOnceAtItsRelease) {
  device.Step({KeyA}).Step({KeyA}).Step({}).Step({});
  Read();
  EXPECT_FALSE(keyboard.KeyReleased(KeyA)) << "held down";
  Read();
  EXPECT_FALSE(keyboard.KeyReleased(KeyA)) << "still held";
  Read();
  EXPECT_TRUE(keyboard.KeyReleased(KeyA)) << "let go";
  EXPECT_FALSE(keyboard.KeyReleased(KeyA)) << "the release was consumed";
  Read();
  EXPECT_FALSE(keyboard.KeyReleased(KeyA)) << "a later read that shows it up again";
}

TEST_F(KeyboardStateTest, AReleaseWaitsUntilItIsTested) {
  device.Step({KeyA}).Step({}).Step({}).Step({KeyA});
  Read();
  Read();
  Read();
  EXPECT_TRUE(keyboard.KeyReleased(KeyA)) << "released two reads ago, not tested since";
  Read();
  EXPECT_FALSE(keyboard.KeyReleased(KeyA)) << "pressed again";
}

TEST_F(KeyboardStateTest, TestingOneKeyLeavesTheOthersForTheAnyKeyTest) {
  device.Step({KeyA, KeyB, KeyF12}).Step({});
  Read();
  Read();
  EXPECT_TRUE(keyboard.KeyReleased(KeyF12));
  EXPECT_TRUE(keyboard.AnyKeyReleased()) << "A and B are still pending";
  EXPECT_FALSE(keyboard.AnyKeyReleased()) << "the any-key test consumed both";
  EXPECT_FALSE(keyboard.KeyReleased(KeyA));
}

TEST_F(KeyboardStateTest, AnyKeyCoversCodes0To254Only) {
  device.Step({255}).Step({});
  Read();
  Read();
  EXPECT_FALSE(keyboard.AnyKeyReleased());
  EXPECT_TRUE(keyboard.KeyReleased(255));
  EXPECT_FALSE(keyboard.KeyReleased(-1));
  EXPECT_FALSE(keyboard.KeyReleased(256));

  device.Step({0}).Step({});
  Read();
  Read();
  EXPECT_TRUE(keyboard.AnyKeyReleased());
}

TEST_F(KeyboardStateTest, ResetForgetsPendingPresses) {
  device.Step({KeyA}).Step({});
  Read();
  keyboard.Reset();
  Read();
  EXPECT_FALSE(keyboard.KeyReleased(KeyA));
}

TEST(PointerStateTest, MotionAccumulatesAndIsClampedToTheDisplay) {
  FakeInputDevice device;
  device.Step({}, {50, -50, 0})
      .Step({}, {1, 0, 0})
      .Step({}, {-5000, 5000, 0})
      .Step({}, {INT_MAX, INT_MIN, 0})
      .Step({}, {INT_MIN, INT_MAX, 0});
  PointerState pointer;
  pointer.SetBounds(800, 600);
  pointer.SetPosition(100, 100);

  const int expected[][2] = {{150, 50}, {151, 50}, {0, 599}, {799, 0}, {0, 599}};
  for (const auto& position : expected) {
    pointer.Read(device);
    EXPECT_EQ(pointer.X(), position[0]);
    EXPECT_EQ(pointer.Y(), position[1]);
  }
}

TEST(PointerStateTest, WheelHoldsTheNotchesOfTheLastReadOnly) {
  FakeInputDevice device;
  device.Step({}, {0, 0, 2}).Step({}, {0, 0, 0}).Step({}, {0, 0, -1});
  PointerState pointer;
  pointer.SetBounds(800, 600);
  pointer.Read(device);
  EXPECT_EQ(pointer.Wheel(), 2);
  pointer.Read(device);
  EXPECT_EQ(pointer.Wheel(), 0);
  pointer.Read(device);
  EXPECT_EQ(pointer.Wheel(), -1);
}

TEST(PointerStateTest, ADisplayWithoutPixelsPinsThePointerToTheOrigin) {
  FakeInputDevice device;
  device.Step({}, {10, 10, 0});
  PointerState pointer;
  pointer.SetBounds(0, -5);
  pointer.SetPosition(100, 100);
  pointer.Read(device);
  EXPECT_EQ(pointer.X(), 0);
  EXPECT_EQ(pointer.Y(), 0);
}

}  // namespace
}  // namespace fl::test
