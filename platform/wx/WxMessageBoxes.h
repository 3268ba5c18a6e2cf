#pragma once
#include "platform/MessageBoxes.h"

namespace fl {

// Message boxes as toolkit dialogs. The toolkit starts with the first box; when
// it cannot (no display), the box is written to standard error and answered as
// OK, or No for a question.
class WxMessageBoxes : public MessageBoxes {
 public:
  explicit WxMessageBoxes(const char* programName) : programName_(programName) {}
  int Show(const std::string& title, const std::string& text, BoxStyle style) override;

 private:
  const char* programName_;
};

// Starts the toolkit once; false when it cannot run here. It is given the
// program name only: it would parse (and reject) the program's own switches.
bool StartToolkit(const char* programName);
// Ends the toolkit if it was started.
void StopToolkit();

}  // namespace fl
