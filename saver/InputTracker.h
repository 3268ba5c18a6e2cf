#pragma once
// Keyboard and pointer state of the screen run, built over the raw snapshots of
// the input device.
#include "platform/InputDevice.h"

namespace fl {

inline constexpr int KeyEscape = 1;
inline constexpr int KeyF1 = 59;
inline constexpr int KeyF12 = 88;

// A key counts as released when the latest read shows it up and some read since
// it last counted showed it down; each press counts once, at its release.
class KeyboardState {
 public:
  // Forgets every key; the next reads start a fresh history.
  void Reset();
  void Read(InputDevice& device);
  // Whether the key was released; consumes that release.
  bool KeyReleased(int code);
  // Whether any key with a code 0..254 was released; consumes every release seen.
  bool AnyKeyReleased();

 private:
  KeyStates down_{};       // the latest snapshot
  KeyStates downSince_{};  // shown down by a read since the key last counted
};

// A position moved by relative motion and kept on the display.
class PointerState {
 public:
  // The display the position is clamped to.
  void SetBounds(int width, int height);
  // Sets the tracked position only; the system pointer does not move.
  void SetPosition(int x, int y);
  // Adds one read's motion; the wheel keeps that read's notches only.
  void Read(InputDevice& device);
  int X() const { return x_; }
  int Y() const { return y_; }
  int Wheel() const { return wheel_; }

 private:
  int width_ = 0;
  int height_ = 0;
  int x_ = 0;
  int y_ = 0;
  int wheel_ = 0;
};

}  // namespace fl
