#include "platform/x11/SharedImage.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstddef>

namespace fl {
namespace {

bool failed = false;

int NoteXError(Display*, XErrorEvent*) {
  failed = true;
  return 0;
}

}  // namespace

SharedImage::~SharedImage() { Release(); }

void SharedImage::Release() {
  if (attached_ && display_ != nullptr && image_ != nullptr) {
    XShmSegmentInfo* info = reinterpret_cast<XShmSegmentInfo*>(image_->obdata);
    if (info) XShmDetach(display_, info);
    XSync(display_, False);
  }
  if (image_ != nullptr) {
    delete reinterpret_cast<XShmSegmentInfo*>(image_->obdata);
    image_->obdata = nullptr;
    image_->data = nullptr;  // shared memory, not Xlib's to free
    XDestroyImage(image_);
  }
  if (memory_ != nullptr) shmdt(memory_);
  image_ = nullptr;
  memory_ = nullptr;
  shmId_ = -1;
  attached_ = false;
}

const _XImage* SharedImage::Read(Display* display, void* visual, int depth, int width, int height) {
  if (unavailable_) return nullptr;
  if (display_ != display || image_ == nullptr || image_->width != width || image_->height != height) {
    Release();
    display_ = display;
    if (!XShmQueryExtension(display)) {
      unavailable_ = true;
      return nullptr;
    }
    auto* info = new XShmSegmentInfo{};
    image_ = XShmCreateImage(display, static_cast<Visual*>(visual), static_cast<unsigned>(depth), ZPixmap, nullptr, info,
                             static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (image_ == nullptr) {
      delete info;
      unavailable_ = true;
      return nullptr;
    }
    image_->obdata = reinterpret_cast<char*>(info);
    // The segment is marked for removal at once: it goes when both sides detach,
    // even if this process dies.
    shmId_ = shmget(IPC_PRIVATE, static_cast<std::size_t>(image_->bytes_per_line) * height, IPC_CREAT | 0600);
    memory_ = shmId_ >= 0 ? shmat(shmId_, nullptr, 0) : nullptr;
    if (memory_ == reinterpret_cast<void*>(-1)) memory_ = nullptr;
    if (memory_ == nullptr) {
      if (shmId_ >= 0) shmctl(shmId_, IPC_RMID, nullptr);
      Release();
      unavailable_ = true;
      return nullptr;
    }
    info->shmid = shmId_;
    info->shmaddr = image_->data = static_cast<char*>(memory_);
    info->readOnly = False;
    failed = false;
    XErrorHandler previous = XSetErrorHandler(NoteXError);
    attached_ = XShmAttach(display, info) != 0;
    XSync(display, False);
    XSetErrorHandler(previous);
    shmctl(shmId_, IPC_RMID, nullptr);
    if (!attached_ || failed) {  // a remote server cannot reach our memory
      attached_ = attached_ && !failed;
      Release();
      unavailable_ = true;
      return nullptr;
    }
  }
  failed = false;
  XErrorHandler previous = XSetErrorHandler(NoteXError);
  const bool read = XShmGetImage(display, DefaultRootWindow(display), image_, 0, 0, AllPlanes) != 0;
  XSync(display, False);
  XSetErrorHandler(previous);
  return read && !failed ? image_ : nullptr;
}

}  // namespace fl
