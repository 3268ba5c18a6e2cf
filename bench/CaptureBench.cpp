// Cost of a desktop capture (what the screen shows, written as a BMP file) by the
// program's own path against the bare cost of one XGetImage of the root window
// plus one write of the same number of bytes, side by side in one run.
// Prints both and ends with "capture-cost-ratio: <ratio>".
// Needs an X display of 1920 x 1080 (bench/run.sh capture_bench starts one).
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/x11/X11ScreenGrabber.h"
#include "saver/ScreenBitmap.h"

// Last: Xlib's macros (None, Status) would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRepetitions = 20;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The floor: the server's copy of the screen and one write of the file's bytes.
double BareCapture(Display* display, const std::string& path, std::size_t fileBytes) {
  const Clock::time_point start = Clock::now();
  XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
  if (!image) return -1;
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  bool written = false;
  if (fd >= 0) {
    written = write(fd, image->data, std::min(fileBytes, static_cast<std::size_t>(image->bytes_per_line) * kHeight)) > 0;
    close(fd);
  }
  const double spent = Milliseconds(start);
  XDestroyImage(image);
  return written ? spent : -1;
}

double ProgramCapture(const std::string& path) {
  const Clock::time_point start = Clock::now();
  fl::SaveScreenBitmap(path, kWidth, kHeight, 24);
  return Milliseconds(start);
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::printf("no X display\n");
    return 1;
  }
  fl::PosixFileSystem files;
  fl::X11ScreenGrabber grabber;
  fl::Sys().files = &files;
  fl::Sys().grabber = &grabber;

  const std::string programFile = "/tmp/capture-bench-program-" + std::to_string(getpid()) + ".bmp";
  const std::string bareFile = "/tmp/capture-bench-bare-" + std::to_string(getpid()) + ".bmp";
  ProgramCapture(programFile);  // warm-up, and the size of the file to match
  const std::size_t fileBytes = static_cast<std::size_t>(54) + static_cast<std::size_t>(kWidth) * 3 * kHeight;
  BareCapture(display, bareFile, fileBytes);

  std::vector<double> program, bare;
  for (int i = 0; i < kRepetitions; ++i) {
    program.push_back(ProgramCapture(programFile));
    bare.push_back(BareCapture(display, bareFile, fileBytes));
  }
  std::remove(programFile.c_str());
  std::remove(bareFile.c_str());
  XCloseDisplay(display);

  const double programMs = Median(program), bareMs = Median(bare);
  if (bareMs <= 0) {
    std::printf("the bare capture failed\n");
    return 1;
  }
  std::printf("capture 1920 x 1080 at 24 bits: program %.2f ms, bare XGetImage + write %.2f ms (medians of %d)\n",
              programMs, bareMs, kRepetitions);
  std::printf("capture-cost-ratio: %.3f\n", programMs / bareMs);
  return 0;
}
