#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fl {

enum class PathKind { None, File, Folder };

// Files and folders. Paths use "/" as separator; a trailing "/" is ignored.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual PathKind Kind(const std::string& path) = 0;
  // Creates one folder level; failure is silent (false).
  virtual bool MakeFolder(const std::string& path) = 0;
  // The whole file, or nothing when it cannot be read or is larger than limit bytes.
  virtual std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) = 0;
  // Replaces the file so that it holds either the old or the new bytes, never a
  // mix: a temporary beside it, flushed and synced, renamed over it, folder synced.
  // On failure the temporary is removed and the old file is left as it was.
  virtual bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) = 0;
  // Creates or replaces the file; a write that fails removes what was written.
  virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
  // Deletes a file; a missing file is no error.
  virtual bool RemoveFile(const std::string& path) = 0;
  // Full path of the running program file.
  virtual std::string ProgramPath() = 0;
  // The per-user application-data folder ($XDG_CONFIG_HOME, else ~/.config),
  // or the empty text when there is none.
  virtual std::string UserDataFolder() = 0;
  // An environment variable, empty when unset.
  virtual std::string Environment(const char* name) = 0;
};

}  // namespace fl
