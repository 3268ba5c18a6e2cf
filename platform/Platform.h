#pragma once
// The table of platform services. Portable code reaches the system only through
// these interfaces; the program installs the real implementations at start-up
// (platform/linux), tests install small fakes.

namespace fl {

class FileSystem;
class InstanceGuard;
class Shell;
class MessageBoxes;
class Displays;
class Clock;
class SpriteScreen;
class InputDevice;
class ScreenGrabber;
class WallpaperSource;
class FontService;
class Network;

struct Platform {
  FileSystem* files = nullptr;
  InstanceGuard* guard = nullptr;
  Shell* shell = nullptr;
  MessageBoxes* boxes = nullptr;
  Displays* displays = nullptr;
  Clock* clock = nullptr;
  SpriteScreen* screen = nullptr;
  InputDevice* input = nullptr;
  ScreenGrabber* grabber = nullptr;
  WallpaperSource* wallpaper = nullptr;
  FontService* fonts = nullptr;
  Network* network = nullptr;
  // Releases every service that was started; called once by EndProcess.
  void (*shutdown)() = nullptr;
};

// The one table of the process.
Platform& Sys();

}  // namespace fl
