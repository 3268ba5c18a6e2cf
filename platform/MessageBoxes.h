#pragma once
#include <string>

namespace fl {

enum class BoxStyle { Error, Information, Question };

// Results as the system numbers them.
inline constexpr int BoxOk = 1;
inline constexpr int BoxYes = 6;
inline constexpr int BoxNo = 7;

// Modal message boxes. Without a display the title and text go to standard
// error and the box answers OK (No for a question).
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual int Show(const std::string& title, const std::string& text, BoxStyle style) = 0;
};

}  // namespace fl
