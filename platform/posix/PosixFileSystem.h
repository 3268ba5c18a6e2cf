#pragma once
#include "platform/FileSystem.h"

namespace fl {

// Files and folders through POSIX calls.
class PosixFileSystem : public FileSystem {
 public:
  PathKind Kind(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) override;
  bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) override;
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  bool RemoveFile(const std::string& path) override;
  std::string ProgramPath() override;
  std::string UserDataFolder() override;
  std::string Environment(const char* name) override;
};

}  // namespace fl
