#include "platform/Platform.h"

namespace fl {

Platform& Sys() {
  static Platform table;
  return table;
}

}  // namespace fl
