#include "platform/x11/X11ScreenGrabber.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

#include "platform/x11/XImageRows.h"

namespace fl {

namespace {

int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// Xlib's default error handler ends the process; a request that fails here
// (a root window that cannot be read) must only fail the grab.
class XErrorTrap {
 public:
  XErrorTrap() : previous_(XSetErrorHandler(IgnoreXError)) {}
  ~XErrorTrap() { XSetErrorHandler(previous_); }
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;

 private:
  XErrorHandler previous_;
};

}  // namespace

X11ScreenGrabber::~X11ScreenGrabber() {
  shared_.Release();
  if (display_ != nullptr) XCloseDisplay(display_);
}

bool X11ScreenGrabber::Grab(Picture& picture) {
  if (picture.Empty() || picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height) {
    return false;
  }
  if (display_ == nullptr) display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return false;

  XErrorTrap trap;
  const Window root = DefaultRootWindow(display_);
  XWindowAttributes root_attributes{};
  if (XGetWindowAttributes(display_, root, &root_attributes) == 0 || root_attributes.visual == nullptr) return false;
  const int width = std::min(picture.width, root_attributes.width);
  const int height = std::min(picture.height, root_attributes.height);
  if (width <= 0 || height <= 0) return false;

  const Visual& visual = *root_attributes.visual;
  const ChannelMasks masks{visual.red_mask, visual.green_mask, visual.blue_mask};
  if (const XImage* shared = shared_.Read(display_, root_attributes.visual, root_attributes.depth, width, height)) {
    return CopyXImageRows(*shared, masks, width, height, picture);
  }
  XImage* image = XGetImage(display_, root, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const bool copied = CopyXImageRows(*image, masks, width, height, picture);
  XDestroyImage(image);
  return copied;
}

}  // namespace fl
