#include "settings/TextTable.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>
#include <vector>

#include "assets/TextData.h"
#include "settings/TextCoding.h"

namespace fl {
namespace {

constexpr const char* kNoString = "%NO_STRING_ERROR%";

// A group's entries are numbered first..last (first > last when it has none).
// index[c] is the first entry whose key begins with the code unit c, or 0.
struct TextGroup {
  std::u16string name;
  int first = 1;
  int last = 0;
  std::array<int, 256> index{};
};

// Groups and entries are numbered from 1; record 0 of each is an empty placeholder.
struct Table {
  std::vector<TextGroup> groups{1};
  std::vector<std::u16string> keys{1};
  std::vector<std::string> texts{1};
  int current = 0;  // the group the last lookup found
};

Table textTable;

bool IsMarker(const std::u16string& key, std::u16string_view marker) { return key == marker; }

void SortAndIndex(Table& table, TextGroup& group) {
  if (group.first > group.last) return;
  const auto first = static_cast<std::size_t>(group.first);
  const auto count = static_cast<std::size_t>(group.last - group.first + 1);
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), first);
  // u16string ordering compares code units, a prefix before its extensions.
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return table.keys[a] < table.keys[b]; });
  std::vector<std::u16string> keys(count);
  std::vector<std::string> texts(count);
  for (std::size_t i = 0; i < count; ++i) {
    keys[i] = std::move(table.keys[order[i]]);
    texts[i] = std::move(table.texts[order[i]]);
  }
  char16_t previous = 0;
  for (std::size_t i = 0; i < count; ++i) {
    table.keys[first + i] = std::move(keys[i]);
    table.texts[first + i] = std::move(texts[i]);
    const std::u16string& key = table.keys[first + i];
    if (key.empty() || key[0] >= 256 || key[0] == previous) continue;
    previous = key[0];
    group.index[key[0]] = static_cast<int>(first + i);
  }
}

}  // namespace

void BuildTextTable() {
  Table table;
  int entries = 0;
  for (const TextPair& pair : BuiltInTexts()) {
    const std::u16string key = UpperCaseUtf16(pair.key);
    if (IsMarker(key, u"_END_")) break;
    if (IsMarker(key, u"_GROUP_")) {
      if (table.groups.size() > 1) table.groups.back().last = entries;
      TextGroup group;
      group.name = UpperCaseUtf16(pair.text);
      group.first = entries + 1;
      table.groups.push_back(group);
      continue;
    }
    // Data that would put an entry before the first group has nowhere to put it.
    if (table.groups.size() == 1) continue;
    table.keys.push_back(key);
    table.texts.emplace_back(pair.text);
    ++entries;
  }
  if (table.groups.size() > 1) table.groups.back().last = entries;
  for (std::size_t g = 1; g < table.groups.size(); ++g) SortAndIndex(table, table.groups[g]);
  textTable = std::move(table);
}

std::string GetText(const std::string& group, const std::string& key) {
  Table& table = textTable;
  const std::u16string wantedGroup = UpperCaseUtf16(group);
  const std::u16string wantedKey = UpperCaseUtf16(key);

  if (table.current == 0 || table.groups[static_cast<std::size_t>(table.current)].name != wantedGroup) {
    table.current = 0;
    for (std::size_t g = 1; g < table.groups.size(); ++g) {
      if (table.groups[g].name == wantedGroup) {
        table.current = static_cast<int>(g);
        break;
      }
    }
  }
  if (table.current == 0) return kNoString;

  const TextGroup& current = table.groups[static_cast<std::size_t>(table.current)];
  if (wantedKey.empty() || wantedKey[0] >= 256) return kNoString;
  for (int entry = current.index[wantedKey[0]]; entry != 0 && entry <= current.last; ++entry) {
    const std::u16string& candidate = table.keys[static_cast<std::size_t>(entry)];
    if (wantedKey == candidate) return table.texts[static_cast<std::size_t>(entry)];
    if (wantedKey < candidate) break;
  }
  return kNoString;
}

}  // namespace fl
