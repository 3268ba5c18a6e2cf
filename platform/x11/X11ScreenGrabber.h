#pragma once
#include "platform/ScreenGrabber.h"
#include "platform/x11/SharedImage.h"

struct _XDisplay;

namespace fl {

// Reads what the screen shows from the X root window. The connection to the X
// server is opened by the first grab and kept for the later ones (screenshots).
class X11ScreenGrabber : public ScreenGrabber {
 public:
  X11ScreenGrabber() = default;
  ~X11ScreenGrabber() override;
  X11ScreenGrabber(const X11ScreenGrabber&) = delete;
  X11ScreenGrabber& operator=(const X11ScreenGrabber&) = delete;

  bool Grab(Picture& picture) override;

 private:
  _XDisplay* display_ = nullptr;
  SharedImage shared_;
};

}  // namespace fl
