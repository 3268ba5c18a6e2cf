#include "saver/ScreenRun.h"

#include <string>

#include "app/shell/Process.h"
#include "app/shell/Vendor.h"
#include "platform/Clock.h"
#include "platform/InputDevice.h"
#include "platform/Platform.h"
#include "platform/SpriteScreen.h"
#include "saver/Capture.h"
#include "saver/FlakeField.h"
#include "saver/InputTracker.h"
#include "saver/RunClock.h"
#include "saver/Scene.h"
#include "saver/ScreenBitmap.h"
#include "settings/Messages.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"

namespace fl {
namespace {

constexpr int FrameSleep = 5;  // ms after each flip
constexpr int PointerStart = 100;
constexpr int PointerSlack = 50;  // motion beyond this from the start ends exit mode 0

// Run state, fresh for every run.
KeyboardState keyboard;
PointerState pointer;

// The configured mode, else the desktop's mode (kept in Settings for the run).
bool OpenDisplay(SpriteScreen& screen) {
  const std::string title = AppTitle();
  if (screen.Open(Settings.videow, Settings.videoh, Settings.videod, title)) return true;
  Settings.videow = DesktopMode.width;
  Settings.videoh = DesktopMode.height;
  Settings.videod = DesktopMode.depth;
  return screen.Open(Settings.videow, Settings.videoh, Settings.videod, title);
}

bool PointerMovedAway() {
  auto away = [](int position) {
    return position > PointerStart + PointerSlack || position < PointerStart - PointerSlack;
  };
  return away(pointer.X()) || away(pointer.Y()) || pointer.Wheel() != 0;
}

// Reads the input of this frame, acts on F1 and F12, and tells whether the run ends.
bool HandleInput(InputDevice& input) {
  keyboard.Read(input);
  pointer.Read(input);
  bool exitRequested = false;
  if (keyboard.KeyReleased(KeyF1)) {
    OpenWithShell(HomePageUrl());
    exitRequested = true;
  } else if (keyboard.KeyReleased(KeyF12)) {
    SaveScreenBitmap(DataFolder + "scr" + std::to_string(RunClock()) + ".bmp", Settings.videow,
                     Settings.videoh, Settings.videod);
  }
  switch (Settings.exiton) {
    case 0:
      if (PointerMovedAway()) exitRequested = true;
      break;
    case 1:
      if (keyboard.AnyKeyReleased()) exitRequested = true;
      break;
    case 2:
      if (keyboard.KeyReleased(KeyEscape)) exitRequested = true;
      break;
    default:
      break;  // only F1 ends the run
  }
  return exitRequested;
}

}  // namespace

void SetUpRun() {
  if (Sys().screen) Sys().screen->SetSmoothing(true);
  StartRunClock();
  JitterClock = RunClock();
  keyboard.Reset();
  pointer.SetBounds(Settings.videow, Settings.videoh);
  pointer.SetPosition(PointerStart, PointerStart);
  ClearColour = 0;
  BackgroundVisible = true;
  JitterDue = false;
  SetUpScene();
  SetUpFlakeField();
}

void DrawFrame() {
  SpriteScreen* screen = Sys().screen;
  if (!screen) return;
  screen->Clear(ClearColour);
  MoveFlakes();
  if (BackgroundVisible) screen->DrawSprite(BackgroundSpriteId, 0, 0);
  DrawFlakes();
  if (screen->SpriteExists(ForegroundSpriteId)) {
    screen->DrawSpriteBlended(ForegroundSpriteId, Settings.foregroundimagex, Settings.foregroundimagey, 255);
  }
  if (screen->SpriteExists(TextSpriteId)) {
    screen->DrawSpriteBlended(TextSpriteId, Settings.foregroundtextx, Settings.foregroundtexty, 255);
  }
}

void ScreenRun() {
  SpriteScreen* screen = Sys().screen;
  if (!screen || !screen->InitSprites()) {
    ShowError(GetText("Msg", "Graphics is not initialized"));
    return;
  }
  // Without an input device nothing could end the run once the display is up.
  InputDevice* input = Sys().input;
  if (!input) return;
  input->InitMouse();
  input->InitKeyboard();
  if (!OpenDisplay(*screen)) {
    ShowError(GetText("Msg", "Screen is not initialized"));
    return;
  }
  SetUpRun();

  bool exitRequested = false;
  while (!exitRequested) {
    DrawFrame();
    screen->Flip();
    if (Sys().clock) Sys().clock->Sleep(FrameSleep);
    exitRequested = HandleInput(*input);
  }
  screen->Close();
}

void ScreensaverMode() {
  const int background = Settings.background;
  if (background == 1) CaptureDesktop();
  if (background == 2) PrepareWallpaper();

  SpriteScreen* screen = Sys().screen;
  if (screen) {
    screen->ShowPointer(false);
    screen->SetScreensaverRunning(true);
  }
  ScreenRun();
  if (screen) {
    screen->SetScreensaverRunning(false);
    screen->ShowPointer(true);
  }

  if (background == 1) RemoveDesktopCapture();
  if (background == 2) RemoveWallpaperCopy();
}

}  // namespace fl
