#include "settings/TextTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "assets/TextData.h"

namespace fl::test {
namespace {

constexpr const char* kMissing = "%NO_STRING_ERROR%";

class TextTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { BuildTextTable(); }
};

TEST_F(TextTable, FindsEveryBuiltInTextByItsGroupAndKey) {
  std::string group;
  for (const TextPair& pair : BuiltInTexts()) {
    if (pair.key == "_END_") break;
    if (pair.key == "_GROUP_") {
      group = pair.text;
      continue;
    }
    EXPECT_EQ(GetText(group, std::string(pair.key)), pair.text) << group << " / " << pair.key;
  }
}

TEST_F(TextTable, LookupsInSequence) {
  // Run in order: each lookup starts from the group the previous one found.
  const struct {
    const char* group;
    const char* key;
    const char* expected;
  } cases[] = {
      {"msg", "error", "Error"},
      {"MSG", "Graphics is not initialized", "Graphics system coudn't be initialized!"},
      {"General", "X", "X:"},
      {"General", "Y", "Y:"},
      {"General", "Wind", "Wind"},
      {"General", "Wind Speed", "Wind Speed:"},
      {"General", "Win", kMissing},
      {"General", "Wind Speedy", kMissing},
      {"General", "Random", "Random"},
      {"General", "Red", "Red:"},
      {"general", "right to left", "Right to Left"},
      {"General", "Error", kMissing},
      {"General", "", kMissing},
      {"General", "\xC4\x80rror", kMissing},  // first character beyond Latin-1
      {"Nowhere", "Error", kMissing},
      {"", "Error", kMissing},
      {"Msg", "Error", "Error"},
      {"Dialog", "ok", "OK"},
      {"Uninstall", "Title", "Uninstall"},
      {"Msg", "OK", kMissing},
      {"Uninstall", "Uninstall Text", "Full Uninstall - Visit Uninstall Center"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetText(c.group, c.key), c.expected) << c.group << " / " << c.key;
  }
}

TEST_F(TextTable, AlternatingGroupsGiveTheSameTextsAsGroupOrder) {
  const std::vector<std::pair<std::string, std::string>> general = {
      {"General", "Wind Options"}, {"General", "Snowflake Size"}, {"General", "About"}, {"General", "Credits"}};
  const std::vector<std::pair<std::string, std::string>> msg = {
      {"Msg", "No Update"}, {"Msg", "Wallpaper not found"}, {"Msg", "New Update Text"}, {"Msg", "Error"}};
  std::vector<std::string> inOrder;
  for (const auto& [group, key] : general) inOrder.push_back(GetText(group, key));
  for (const auto& [group, key] : msg) inOrder.push_back(GetText(group, key));
  for (std::size_t i = 0; i < general.size(); ++i) {
    EXPECT_EQ(GetText(msg[i].first, msg[i].second), inOrder[general.size() + i]);
    EXPECT_EQ(GetText(general[i].first, general[i].second), inOrder[i]);
  }
  EXPECT_EQ(inOrder[1], "Size:");
  EXPECT_EQ(inOrder[6], "A new version of Frostlight Screensaver is available! Are you ready to download it right now?");
}

}  // namespace
}  // namespace fl::test
