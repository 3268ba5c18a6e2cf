# Writes OUTPUT, a C++ source holding every file of FILES as a byte block,
# reachable by its file name through EmbeddedFile().
set(blocks "")
set(table "")
set(index 0)
foreach(file ${FILES})
  get_filename_component(name ${file} NAME)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
  string(APPEND blocks "const std::uint8_t kBlock${index}[${size}] = {\n${bytes}};\n")
  string(APPEND table "    {\"${name}\", {kBlock${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT} "// Generated from assets/pictures; do not edit.
#include <cstdint>
#include <span>
#include <string_view>

#include \"assets/EmbeddedFiles.h\"

namespace fl {
namespace {
${blocks}
struct Entry {
  std::string_view name;
  std::span<const std::uint8_t> bytes;
};
const Entry kEntries[] = {
${table}    {\"\", {}},
};
}  // namespace

std::span<const std::uint8_t> EmbeddedFile(std::string_view name) {
  for (const Entry& entry : kEntries) {
    if (entry.name == name) return entry.bytes;
  }
  return {};
}

}  // namespace fl
")
