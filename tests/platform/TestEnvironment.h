#pragma once
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/fakes/TempFolder.h"

namespace fl::test {

// A private X server on a free display number, stopped by the destructor.
class XvfbServer {
 public:
  // screen as Xvfb takes it ("320x240x24"); extra arguments follow it.
  explicit XvfbServer(const std::string& screen, const std::vector<std::string>& extra = {});
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  bool Running() const { return !display_.empty(); }
  // ":N", empty when the server did not start.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Sets (or, with nothing, removes) an environment variable until destroyed.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};


}  // namespace fl::test
