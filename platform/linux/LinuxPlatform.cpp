#include "platform/linux/LinuxPlatform.h"

#include <SDL.h>

#include "platform/Platform.h"
#include "platform/glib/GSettingsWallpaper.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixInstanceGuard.h"
#include "platform/posix/PosixNetwork.h"
#include "platform/posix/PosixShell.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/ttf/TtfFontService.h"
#include "platform/wx/WxMessageBoxes.h"
#include "platform/x11/X11ScreenGrabber.h"

namespace fl {
namespace {

// The services live for the whole process; they are built on first use of this
// function and torn down only through Shutdown.
struct LinuxServices {
  explicit LinuxServices(const char* programName) : boxes(programName) {}
  PosixFileSystem files;
  PosixInstanceGuard guard;
  PosixShell shell;
  WxMessageBoxes boxes;
  PosixClock clock;
  SdlBackend sdl;
  X11ScreenGrabber grabber;
  GSettingsWallpaper wallpaper;
  TtfFontService fonts;
  PosixNetwork network;
};

LinuxServices* services = nullptr;

void Shutdown() {
  if (!services) return;
  services->sdl.screen.Close();
  StopToolkit();
  SDL_Quit();
  services->guard.Release();
}

}  // namespace

void InstallLinuxPlatform(int argc, char** argv) {
  if (!services) services = new LinuxServices(argc > 0 ? argv[0] : nullptr);
  Platform& table = Sys();
  table.files = &services->files;
  table.guard = &services->guard;
  table.shell = &services->shell;
  table.boxes = &services->boxes;
  table.displays = &services->sdl.displays;
  table.clock = &services->clock;
  table.screen = &services->sdl.screen;
  table.input = &services->sdl.input;
  table.grabber = &services->grabber;
  table.wallpaper = &services->wallpaper;
  table.fonts = &services->fonts;
  table.network = &services->network;
  table.shutdown = &Shutdown;
}

}  // namespace fl
