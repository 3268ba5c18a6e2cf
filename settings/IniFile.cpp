#include "settings/IniFile.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "settings/TextCoding.h"

namespace fl {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Only A to Z ignore case; every other byte must match exactly.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A line break inside a written name or value would split it into lines that
// read back as other entries; it becomes a blank instead.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (IsLineEnd(c)) c = ' ';
  }
  return line;
}

std::optional<IniEntry> ParseLine(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  if (line.empty()) return std::nullopt;
  IniEntry entry;
  if (line.front() == ';') {
    line.remove_prefix(1);
    if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    entry.kind = IniEntry::Kind::Comment;
    entry.name = line;
  } else if (line.front() == '[') {
    line.remove_prefix(1);
    entry.kind = IniEntry::Kind::Group;
    entry.name = line.substr(0, line.find(']'));
  } else {
    const std::size_t equals = line.find('=');
    std::string_view key = line.substr(0, equals);
    while (!key.empty() && IsBlank(key.back())) key.remove_suffix(1);
    std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    entry.kind = IniEntry::Kind::Key;
    entry.name = key;
    entry.value = value;
  }
  return entry;
}

}  // namespace

std::int32_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Digits accumulate in 64 bits and stop growing once far beyond the 32-bit
  // range, so the result saturates instead of overflowing.
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude < 10'000'000'000) magnitude = magnitude * 10 + (text[i] - '0');
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > kMax) return static_cast<std::int32_t>(kMax);
  if (value < kMin) return static_cast<std::int32_t>(kMin);
  return static_cast<std::int32_t>(value);
}

IniFile::~IniFile() { Close(); }

void IniFile::Reset() {
  entries_.clear();
  path_.clear();
  open_ = false;
  group_ = kNone;
  lastWritten_ = kNone;
  pendingGroup_.clear();
  pending_ = false;
  modified_ = false;
}

bool IniFile::OpenForReading(const std::string& path) {
  Close();
  FileSystem* files = Sys().files;
  if (files == nullptr) return false;
  std::optional<std::string> bytes = files->ReadFile(path, kMaxFileSize);
  if (!bytes) return false;
  Parse(*bytes);
  path_ = path;
  return true;
}

bool IniFile::CreateForWriting(const std::string& path) {
  Close();
  if (Sys().files == nullptr || path.empty()) return false;
  open_ = true;
  path_ = path;
  return true;
}

void IniFile::Parse(std::string_view bytes) {
  Reset();
  open_ = true;
  const bool utf8 = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
  const std::string text = utf8 ? ValidUtf8(bytes.substr(kByteOrderMark.size())) : Utf8FromLatin1(bytes);
  const std::string_view view = text;
  std::size_t pos = 0;
  while (pos < view.size()) {
    while (pos < view.size() && IsLineEnd(view[pos])) ++pos;
    std::size_t end = pos;
    while (end < view.size() && !IsLineEnd(view[end])) ++end;
    if (std::optional<IniEntry> entry = ParseLine(view.substr(pos, end - pos))) {
      entries_.push_back(std::move(*entry));
    }
    pos = end;
  }
}

bool IniFile::SelectGroup(const std::string& name) {
  pending_ = false;
  pendingGroup_.clear();
  if (name.empty()) {
    group_ = kNone;
    return true;
  }
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].kind == IniEntry::Kind::Group && SameName(entries_[i].name, name)) {
      group_ = i;
      return true;
    }
  }
  pending_ = true;
  pendingGroup_ = name;
  return false;
}

std::size_t IniFile::GroupBegin() const { return group_ == kNone ? 0 : group_ + 1; }

std::size_t IniFile::GroupEnd() const {
  std::size_t end = GroupBegin();
  while (end < entries_.size() && entries_[end].kind != IniEntry::Kind::Group) ++end;
  return end;
}

const IniEntry* IniFile::FindKey(const std::string& key) const {
  if (!open_ || pending_) return nullptr;
  for (std::size_t i = GroupBegin(), end = GroupEnd(); i < end; ++i) {
    if (entries_[i].kind == IniEntry::Kind::Key && SameName(entries_[i].name, key)) return &entries_[i];
  }
  return nullptr;
}

std::string IniFile::ReadText(const std::string& key, const std::string& fallback) const {
  const IniEntry* entry = FindKey(key);
  return entry ? std::string(TrimBlanks(entry->value)) : fallback;
}

std::int32_t IniFile::ReadInteger(const std::string& key, std::int32_t fallback) const {
  const IniEntry* entry = FindKey(key);
  return entry ? LeadingInteger(entry->value) : fallback;
}

void IniFile::ResolvePendingGroup() {
  if (!pending_) return;
  entries_.push_back({IniEntry::Kind::Group, OneLine(pendingGroup_), {}});
  group_ = entries_.size() - 1;
  lastWritten_ = group_;
  pending_ = false;
  pendingGroup_.clear();
}

void IniFile::Insert(std::size_t position, IniEntry entry) {
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
  if (group_ != kNone && group_ >= position) ++group_;
  lastWritten_ = position;
}

void IniFile::WriteText(const std::string& key, const std::string& value) {
  if (!open_) return;
  ResolvePendingGroup();
  modified_ = true;
  for (std::size_t i = GroupBegin(), end = GroupEnd(); i < end; ++i) {
    IniEntry& entry = entries_[i];
    if (entry.kind == IniEntry::Kind::Key && SameName(entry.name, key)) {
      entry.name = OneLine(key);
      entry.value = OneLine(value);
      lastWritten_ = i;
      return;
    }
  }
  Insert(GroupEnd(), {IniEntry::Kind::Key, OneLine(key), OneLine(value)});
}

void IniFile::WriteInteger(const std::string& key, std::int32_t value) { WriteText(key, std::to_string(value)); }

void IniFile::WriteComment(const std::string& text) {
  if (!open_) return;
  ResolvePendingGroup();
  modified_ = true;
  const std::size_t position = lastWritten_ == kNone ? GroupEnd() : lastWritten_ + 1;
  Insert(position, {IniEntry::Kind::Comment, OneLine(text), {}});
}

std::string IniFile::Serialize() const {
  std::string out(kByteOrderMark);
  out += kLineEnd;
  for (const IniEntry& entry : entries_) {
    switch (entry.kind) {
      case IniEntry::Kind::Group:
        out += '[';
        out += entry.name;
        out += ']';
        break;
      case IniEntry::Kind::Comment:
        out += "; ";
        out += entry.name;
        break;
      case IniEntry::Kind::Key:
        out += entry.name;
        out += " = ";
        out += entry.value;
        break;
    }
    out += kLineEnd;
  }
  return out;
}

bool IniFile::Close() {
  bool written = true;
  if (open_ && modified_ && !path_.empty()) {
    FileSystem* files = Sys().files;
    written = files != nullptr && files->ReplaceFileAtomically(path_, Serialize());
  }
  Reset();
  return written;
}

}  // namespace fl
