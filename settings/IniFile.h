#pragma once
// Reader and writer of the INI text that config.ini uses. Users' files outlive
// the program, so the format is fixed byte for byte:
//
// Reading: a leading EF BB BF marks UTF-8, anything else is ISO 8859-1. Lines
// end at any run of CR and LF; blanks and tabs at a line start are skipped.
// "; text" is a comment, "[name" up to "]" a group heading, anything else a key
// up to the first "=" (trailing blanks and tabs dropped) with the rest of the
// line as its value (leading blanks and tabs dropped). Names are compared
// ignoring the case of A to Z; the first group and the first key of a name win.
//
// Writing: EF BB BF and CR LF, then one line per entry ("[name]", "; text",
// "key = value"), every line ending with CR LF.
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fl {

struct IniEntry {
  enum class Kind { Group, Comment, Key };
  Kind kind = Kind::Key;
  std::string name;   // group or key name; the text of a comment
  std::string value;  // keys only
};

class IniFile {
 public:
  // Larger files are treated as unreadable. config.ini is about 1.5 KB; the
  // cap keeps a hostile file from costing more than tens of megabytes parsed.
  static constexpr std::size_t kMaxFileSize = 1u << 20;

  IniFile() = default;
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;
  // Closes the file, writing it when it was changed.
  ~IniFile();

  // Closes the file held before, then reads and parses the whole file.
  bool OpenForReading(const std::string& path);
  // Closes the file held before and starts an empty list that Close writes to
  // path. Nothing touches the disk until Close, so the old file survives any
  // failure on the way.
  bool CreateForWriting(const std::string& path);
  // Replaces the list by the entries of the bytes, as a file holding them
  // would give; no file is attached, so Close writes nothing.
  void Parse(std::string_view bytes);

  // An empty name selects the part before the first group heading. An unknown
  // name becomes pending: reads give their defaults and the next write appends
  // the heading at the end.
  bool SelectGroup(const std::string& name);

  // The value trimmed of blanks and tabs at both ends, or the default.
  std::string ReadText(const std::string& key, const std::string& fallback) const;
  // The value's leading decimal integer, read like atoi, or the default.
  std::int32_t ReadInteger(const std::string& key, std::int32_t fallback) const;

  // Replaces the value of the key in the current group (the name takes the new
  // letter case) or inserts the key after the group's last entry.
  void WriteText(const std::string& key, const std::string& value);
  void WriteInteger(const std::string& key, std::int32_t value);
  // Inserts a comment after the entry written last.
  void WriteComment(const std::string& text);

  // Writes the list when it was changed (atomically, see FileSystem), then
  // forgets everything. False when a needed write failed.
  bool Close();

  // The bytes Close would write.
  std::string Serialize() const;
  const std::vector<IniEntry>& Entries() const { return entries_; }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  void Reset();
  // First entry after the current group's heading and one past its last entry.
  std::size_t GroupBegin() const;
  std::size_t GroupEnd() const;
  const IniEntry* FindKey(const std::string& key) const;
  void ResolvePendingGroup();
  void Insert(std::size_t position, IniEntry entry);

  std::vector<IniEntry> entries_;
  std::string path_;
  bool open_ = false;
  std::size_t group_ = kNone;        // heading of the current group; kNone before the first heading
  std::size_t lastWritten_ = kNone;  // the insertion point
  std::string pendingGroup_;
  bool pending_ = false;
  bool modified_ = false;
};

// The leading decimal integer of text like atoi: leading white space, an
// optional sign, digits up to the first other character, 0 without digits.
// Beyond the 32-bit range the result saturates at INT32_MIN or INT32_MAX.
std::int32_t LeadingInteger(std::string_view text);

}  // namespace fl
