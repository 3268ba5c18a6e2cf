#pragma once
// The message boxes through which every part reports to the user.
#include <string>

#include "platform/MessageBoxes.h"

namespace fl {

// Error icon, OK button, title GetText("Msg", "Error").
void ShowError(const std::string& text);
// Information icon, OK button.
void ShowInfo(const std::string& title, const std::string& text);
// The platform box; returns BoxOk, BoxYes or BoxNo.
int MessageBox(const std::string& title, const std::string& text, BoxStyle style);

}  // namespace fl
