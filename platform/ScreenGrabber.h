#pragma once
#include "platform/picture/Picture.h"

namespace fl {

// What the screen shows.
class ScreenGrabber {
 public:
  virtual ~ScreenGrabber() = default;
  // Copies the top-left corner of the screen into picture (whose size is set by
  // the caller); parts beyond the screen are left as they are. False when the
  // screen cannot be read.
  virtual bool Grab(Picture& picture) = 0;
};

}  // namespace fl
