#include "settings/Messages.h"

#include "platform/Platform.h"
#include "settings/TextTable.h"

namespace fl {

void ShowError(const std::string& text) { MessageBox(GetText("Msg", "Error"), text, BoxStyle::Error); }

void ShowInfo(const std::string& title, const std::string& text) {
  MessageBox(title, text, BoxStyle::Information);
}

int MessageBox(const std::string& title, const std::string& text, BoxStyle style) {
  MessageBoxes* boxes = Sys().boxes;
  // Without a box service nobody can answer: a question counts as declined.
  if (boxes == nullptr) return style == BoxStyle::Question ? BoxNo : BoxOk;
  return boxes->Show(title, text, style);
}

}  // namespace fl
