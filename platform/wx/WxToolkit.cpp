#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>
#include <string>

#include "platform/wx/WxMessageBoxes.h"

namespace fl {
namespace {

enum class ToolkitState { NotTried, Running, Unavailable };
ToolkitState state = ToolkitState::NotTried;

bool DisplayNamed() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (display && display[0]) || (wayland && wayland[0]);
}

}  // namespace

bool StartToolkit(const char* programName) {
  if (state == ToolkitState::NotTried) {
    state = ToolkitState::Unavailable;
    // Without a display the toolkit would only print warnings and fail.
    if (DisplayNamed()) {
      wxApp::SetInstance(new wxApp());
      static std::string name = programName ? programName : "frostlight";
      static char* toolkitArgv[] = {name.data(), nullptr};
      int toolkitArgc = 1;
      if (wxEntryStart(toolkitArgc, toolkitArgv) && wxTheApp && wxTheApp->CallOnInit()) {
        state = ToolkitState::Running;
      }
    }
  }
  return state == ToolkitState::Running;
}

void StopToolkit() {
  if (state == ToolkitState::Running) {
    if (wxTheApp) wxTheApp->OnExit();
    wxEntryCleanup();
  }
  state = ToolkitState::NotTried;
}

}  // namespace fl
