#pragma once
// The screensaver proper: the full-screen run and its frame loop.

namespace fl {

// Prepares the configured background file, hides the pointer, tells the system
// that a screensaver runs, runs ScreenRun, then undoes all of that (also when
// the run could not start) and removes the background file.
void ScreensaverMode();

// Opens the display at the configured mode (falling back once to DesktopMode),
// sets up the scene and the flakes, and draws frames until the exit condition
// of Settings.exiton, F1, or a failure to start. Closes the display.
void ScreenRun();

// The run set-up once the display is open: smoothing, the run clock and the
// flake wobble clock, the tracked pointer at (100, 100), the clear colour and
// background flag, then SetUpScene and SetUpFlakeField.
void SetUpRun();

// One frame's picture, without presenting it: clear, move the flakes, background,
// flakes, foreground picture and text. Needs SetUpRun.
void DrawFrame();

}  // namespace fl
