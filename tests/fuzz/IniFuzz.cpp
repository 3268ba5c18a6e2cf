// Feeds arbitrary bytes through the INI parser, reads every key of every group,
// checks that what the writer makes of the entries parses back to the same
// entries, and writes into the parsed list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fl::IniFile ini;
  ini.Parse(bytes);

  std::size_t checksum = 0;
  const std::vector<fl::IniEntry> entries = ini.Entries();
  for (const fl::IniEntry& entry : entries) {
    if (entry.kind == fl::IniEntry::Kind::Group) {
      ini.SelectGroup(entry.name);
    } else if (entry.kind == fl::IniEntry::Kind::Key) {
      checksum += ini.ReadText(entry.name, "").size();
      checksum += static_cast<std::size_t>(ini.ReadInteger(entry.name, 0));
    }
  }
  ini.SelectGroup("");
  checksum += ini.ReadText("", "").size();

  // Writing is stable: parse(serialize(x)) serialises to the same bytes.
  const std::string written = ini.Serialize();
  ini.Parse(written);
  if (ini.Serialize() != written) std::abort();

  // Writes into a parsed list: replace or insert, comments, a pending group.
  ini.SelectGroup("Screensaver");
  ini.WriteInteger("flakes", static_cast<std::int32_t>(checksum & 0x7FFFFFFF));
  ini.WriteComment(std::string(bytes.substr(0, 16)));
  ini.SelectGroup(std::string(bytes.substr(0, 8)));
  ini.WriteText("k", std::string(bytes.substr(0, 32)));
  if (ini.Serialize().size() < 5) std::abort();
  return 0;
}
