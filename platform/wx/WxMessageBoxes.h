#pragma once
#include "platform/MessageBoxes.h"

namespace fl {

// Message boxes as toolkit dialogs. The toolkit starts with the first box; when
// it cannot (no display), the box is written to standard error and answered as
// OK, or No for a question.
class WxMessageBoxes : public MessageBoxes {
 public:
  WxMessageBoxes(int argc, char** argv) : argc_(argc), argv_(argv) {}
  int Show(const std::string& title, const std::string& text, BoxStyle style) override;

 private:
  int argc_;
  char** argv_;
};

// Starts the toolkit once; false when it cannot run here.
bool StartToolkit(int argc, char** argv);
// Ends the toolkit if it was started.
void StopToolkit();

}  // namespace fl
