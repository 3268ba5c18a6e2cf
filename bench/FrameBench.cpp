// Frame cost of the real screensaver loop against a bare SDL loop that draws the
// same frame with none of the program's code, side by side in one run, and the
// peak memory of a run with many flakes against one with few.
//
//   frame_bench                 all cases, ending with "frame-cost-ratio N=2000: <ratio>"
//   frame_bench --memory N      one run of N flakes; prints its peak resident size
//
// Needs an X display with a 1920 x 1080 mode (bench/run.sh frame_bench starts one).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/shell/Process.h"
#include "bench/BareSdlLoop.h"
#include "platform/InputDevice.h"
#include "platform/Platform.h"
#include "platform/picture/PictureDrawing.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlScreen.h"
#include "saver/BmpWriter.h"
#include "saver/ScreenRun.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kWarmUpFrames = 30;
constexpr int kFrames = 200;

using Clock = std::chrono::steady_clock;

// The loop's 5 ms rest after each flip is left out: it is idle time, not cost.
class NoRestClock : public fl::PosixClock {
 public:
  void Sleep(int) override {}
};

// Ends the run after the measured frames and notes when they started and ended.
class CountingInput : public fl::InputDevice {
 public:
  explicit CountingInput(int frames) : frames_(frames) {}
  bool InitMouse() override { return true; }
  bool InitKeyboard() override { return true; }
  void ReadKeys(fl::KeyStates& down) override { down.fill(false); }
  fl::MouseMotion ReadMouse() override {
    ++reads_;
    if (reads_ == kWarmUpFrames) start_ = Clock::now();
    if (reads_ == kWarmUpFrames + frames_) {
      end_ = Clock::now();
      return {0, 0, 1};  // a wheel notch ends the run
    }
    return {};
  }
  double MillisecondsPerFrame() const {
    return std::chrono::duration<double, std::milli>(end_ - start_).count() / frames_;
  }

 private:
  int frames_;
  int reads_ = 0;
  Clock::time_point start_, end_;
};

struct Program {
  fl::PosixFileSystem files;
  NoRestClock clock;
  fl::SdlEvents events;
  fl::SdlScreen screen{events, false};
};

Program& Install() {
  static Program program;
  fl::Platform& table = fl::Sys();
  table.files = &program.files;
  table.clock = &program.clock;
  table.screen = &program.screen;
  return program;
}

// A full-screen background picture as a file, like a user's own.
std::string BackgroundFile() {
  static std::string path;
  if (path.empty()) {
    fl::Picture picture = fl::CreatePicture(kWidth, kHeight).value();
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        picture.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 255 / kWidth) << 16 | 0x4000u |
                           static_cast<std::uint32_t>(y * 255 / kHeight);
      }
    }
    path = "/tmp/frame-bench-" + std::to_string(getpid()) + ".bmp";
    fl::WriteBmpFile(path, picture, 24);
  }
  return path;
}

double RunProgramLoop(int flakes, int flakeSize) {
  Install();
  fl::SetDefaultSettings();
  fl::Settings.videow = kWidth;
  fl::Settings.videoh = kHeight;
  fl::Settings.videod = 32;
  fl::Settings.exiton = 0;
  fl::Settings.background = 0;
  fl::Settings.backgroundimage = BackgroundFile();
  fl::Settings.flakes = flakes;
  fl::Settings.flakesize = flakeSize;
  fl::Settings.wind = 1;
  CountingInput input(kFrames);
  fl::Sys().input = &input;
  fl::ScreenRun();
  fl::Sys().input = nullptr;
  return input.MillisecondsPerFrame();
}

double RunBareLoop(int flakes, int flakeSize) {
  fl::bench::BareSdlLoopSetup setup;
  setup.width = kWidth;
  setup.height = kHeight;
  setup.flakes = flakes;
  setup.smallestFlake = 1;
  setup.largestFlake = flakeSize;
  setup.warmUpFrames = kWarmUpFrames;
  setup.frames = kFrames;
  return fl::bench::RunBareSdlLoop(setup);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

long PeakResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

long MeasureMemory(const char* self, int flakes) {
  std::string command = std::string(self) + " --memory " + std::to_string(flakes);
  FILE* pipe = popen(command.c_str(), "r");
  long kilobytes = -1;
  if (pipe) {
    if (std::fscanf(pipe, "%ld", &kilobytes) != 1) kilobytes = -1;
    pclose(pipe);
  }
  return kilobytes;
}

}  // namespace

int main(int argc, char** argv) {
  fl::DesktopMode = {kWidth, kHeight, 32};
  fl::BuildTextTable();
  if (argc == 3 && std::string(argv[1]) == "--memory") {
    RunProgramLoop(std::atoi(argv[2]), 17);
    std::printf("%ld\n", PeakResidentKilobytes());
    return 0;
  }

  constexpr int kRounds = 3;
  double worstRatioAt2000 = 0;
  for (int flakes : {0, 500, 2000}) {
    for (int flakeSize : {17, 50}) {
      std::vector<double> program, bare;
      for (int round = 0; round < kRounds; ++round) {
        program.push_back(RunProgramLoop(flakes, flakeSize));
        bare.push_back(RunBareLoop(flakes, flakeSize));
      }
      const double programMs = Median(program), bareMs = Median(bare);
      if (bareMs <= 0) {
        std::printf("no 1920 x 1080 display to measure on\n");
        return 1;
      }
      const double ratio = programMs / bareMs;
      if (flakes == 2000) worstRatioAt2000 = std::max(worstRatioAt2000, ratio);
      std::printf("N=%d flakesize=%d: program %.2f ms/frame, bare SDL %.2f ms/frame, ratio %.3f\n", flakes,
                  flakeSize, programMs, bareMs, ratio);
      std::fflush(stdout);
    }
  }
  const long few = MeasureMemory(argv[0], 10), many = MeasureMemory(argv[0], 2000);
  std::printf("peak memory: 10 flakes %ld KB, 2000 flakes %ld KB, difference %ld KB\n", few, many, many - few);
  std::remove(BackgroundFile().c_str());
  std::printf("frame-cost-ratio N=2000: %.3f\n", worstRatioAt2000);
  return 0;
}
