#pragma once
// The screensaver's frame drawn with SDL calls alone: the floor that the real
// frame loop is measured against.

namespace fl::bench {

struct BareSdlLoopSetup {
  int width = 1920;  // a display mode the display has
  int height = 1080;
  int flakes = 2000;
  int smallestFlake = 1;  // side in pixels
  int largestFlake = 17;
  int warmUpFrames = 30;
  int frames = 300;
};

// Opens a full-screen window at width x height without vsync and draws, per
// frame: a clear, one full-screen opaque linear-filtered picture, `flakes`
// rotated alpha-modulated sprites of one shared texture, a present. Returns the
// milliseconds per frame over `frames` frames after `warmUpFrames`, or a
// negative value when the display cannot be opened.
double RunBareSdlLoop(const BareSdlLoopSetup& setup);

}  // namespace fl::bench
