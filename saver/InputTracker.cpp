#include "saver/InputTracker.h"

#include <algorithm>
#include <cstdint>

namespace fl {

void KeyboardState::Reset() {
  down_.fill(false);
  downSince_.fill(false);
}

void KeyboardState::Read(InputDevice& device) {
  device.ReadKeys(down_);
  for (std::size_t code = 0; code < down_.size(); ++code) {
    if (down_[code]) downSince_[code] = true;
  }
}

bool KeyboardState::KeyReleased(int code) {
  if (code < 0 || code >= static_cast<int>(down_.size())) return false;
  auto index = static_cast<std::size_t>(code);
  if (down_[index] || !downSince_[index]) return false;
  downSince_[index] = false;
  return true;
}

bool KeyboardState::AnyKeyReleased() {
  bool any = false;
  for (int code = 0; code <= 254; ++code) {
    if (KeyReleased(code)) any = true;
  }
  return any;
}

void PointerState::SetBounds(int width, int height) {
  width_ = width;
  height_ = height;
}

void PointerState::SetPosition(int x, int y) {
  x_ = x;
  y_ = y;
}

namespace {

// Clamped to 0 .. size - 1; a display without pixels pins the position to 0.
int Moved(int position, int motion, int size) {
  std::int64_t moved = static_cast<std::int64_t>(position) + motion;
  moved = std::min<std::int64_t>(moved, static_cast<std::int64_t>(size) - 1);
  return static_cast<int>(std::max<std::int64_t>(moved, 0));
}

}  // namespace

void PointerState::Read(InputDevice& device) {
  MouseMotion motion = device.ReadMouse();
  x_ = Moved(x_, motion.dx, width_);
  y_ = Moved(y_, motion.dy, height_);
  wheel_ = motion.wheel;
}

}  // namespace fl
