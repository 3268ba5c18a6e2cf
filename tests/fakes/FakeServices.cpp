#include "tests/fakes/FakeServices.h"

namespace fl::test {
namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

PathKind FakeFileSystem::Kind(const std::string& path) {
  std::string key = WithoutTrailingSlash(path);
  if (folders.count(key)) return PathKind::Folder;
  if (files.count(key)) return PathKind::File;
  return PathKind::None;
}

bool FakeFileSystem::MakeFolder(const std::string& path) {
  std::string key = WithoutTrailingSlash(path);
  if (failWrites || files.count(key)) return false;
  folders[key] = true;
  return true;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path, std::size_t limit) {
  auto it = files.find(path);
  if (it == files.end() || it->second.size() > limit) return std::nullopt;
  return it->second;
}

bool FakeFileSystem::ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  if (failWrites) return false;
  files[path] = std::string(bytes);
  return true;
}

bool FakeFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  if (failWrites) return false;
  files[path] = std::string(bytes);
  return true;
}

bool FakeFileSystem::RemoveFile(const std::string& path) {
  files.erase(path);
  return true;
}

std::string FakeFileSystem::Environment(const char* name) {
  auto it = environment.find(name);
  return it == environment.end() ? std::string() : it->second;
}

}  // namespace fl::test
