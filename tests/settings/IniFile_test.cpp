#include "settings/IniFile.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tests/settings/FakeServicesFixture.h"

namespace fl::test {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(LeadingInteger, ReadsLikeAtoiAndSaturatesBeyond32Bits) {
  const struct {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"42", 42},          {"  \t-12abc", -12},       {"+7", 7},
      {"00012", 12},       {"", 0},                   {"abc", 0},
      {"-", 0},            {"- 5", 0},                {"1 2", 1},
      {"2147483647", kMax}, {"2147483648", kMax},      {"-2147483648", kMin},
      {"-2147483649", kMin}, {"99999999999999999999999999", kMax},
      {"-99999999999999999999999999", kMin},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.expected) << '"' << c.text << '"';
}

std::vector<std::string> Describe(const IniFile& ini) {
  std::vector<std::string> out;
  for (const IniEntry& e : ini.Entries()) {
    switch (e.kind) {
      case IniEntry::Kind::Group: out.push_back("group <" + e.name + ">"); break;
      case IniEntry::Kind::Comment: out.push_back("comment <" + e.name + ">"); break;
      case IniEntry::Kind::Key: out.push_back("key <" + e.name + "> <" + e.value + ">"); break;
    }
  }
  return out;
}

TEST(IniFileParse, SplitsLinesIntoHeadingsCommentsAndKeys) {
  IniFile ini;
  ini.Parse(
      "lonely=1\r\n"
      ";  two blanks\r\n"
      ";\r\n"
      "\t [ spaced name ] trailing\r\n"
      "[unterminated\r\n"
      "Update Range \t = \t 2 = 3 ; x \t\r\n"
      "no equals sign\r\n"
      "= empty key\r\n"
      "   \t   \r\n");
  EXPECT_EQ(Describe(ini), (std::vector<std::string>{
                               "key <lonely> <1>",
                               "comment < two blanks>",
                               "comment <>",
                               "group < spaced name >",
                               "group <unterminated>",
                               "key <Update Range> <2 = 3 ; x \t>",
                               "key <no equals sign> <>",
                               "key <> <empty key>",
                           }));
  EXPECT_TRUE(ini.SelectGroup("UNTERMINATED"));
  EXPECT_EQ(ini.ReadText("update range", "?"), "2 = 3 ; x");
}

TEST(IniFileParse, IgnoresCaseOfAsciiLettersOnly) {
  IniFile ini;
  ini.Parse("\xEF\xBB\xBF[Caf\xC3\xA9]\nK\xC3\xA9y=1\n");
  EXPECT_FALSE(ini.SelectGroup("CAF\xC3\x89"));  // É is not é
  EXPECT_TRUE(ini.SelectGroup("cAF\xC3\xA9"));
  EXPECT_EQ(ini.ReadInteger("k\xC3\xA9Y", -1), 1);
  EXPECT_EQ(ini.ReadInteger("K\xC3\x89Y", -1), -1);
}

TEST(IniFileParse, KeepsTheTextValidUtf8) {
  IniFile ini;
  // After a byte order mark, bytes that form no UTF-8 sequence become U+FFFD.
  ini.Parse(std::string("\xEF\xBB\xBF[G]\nk=a\xFF" "b\xC3\n", 14));
  ini.SelectGroup("G");
  EXPECT_EQ(ini.ReadText("k", ""), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  // Without one, every byte is a Latin-1 character.
  ini.Parse("[G]\nk=\x80\xFF\n");
  ini.SelectGroup("G");
  EXPECT_EQ(ini.ReadText("k", ""), "\xC2\x80\xC3\xBF");
}

TEST(IniFileParse, ReadsGiveDefaultsForPendingGroupsAndWithoutFile) {
  IniFile ini;
  EXPECT_EQ(ini.ReadInteger("k", 5), 5);
  ini.Parse("k=1\n[G]\nk=2\n");
  EXPECT_EQ(ini.ReadInteger("k", 5), 1) << "no group selected: the part before the first heading";
  EXPECT_FALSE(ini.SelectGroup("H"));
  EXPECT_EQ(ini.ReadInteger("k", 5), 5);
  EXPECT_EQ(ini.ReadText("k", "d"), "d");
  EXPECT_TRUE(ini.SelectGroup("g"));
  EXPECT_EQ(ini.ReadInteger("k", 5), 2);
  EXPECT_TRUE(ini.SelectGroup(""));
  EXPECT_EQ(ini.ReadInteger("k", 5), 1);
}

using IniFileWrite = FakeServicesTest;

TEST_F(IniFileWrite, ReplacesKeysInPlaceAndInsertsAtTheEndOfTheGroup) {
  files.files["/f.ini"] = "[A]\nOne=1\n; note\n[B]\nTwo=2\n";
  IniFile ini;
  ASSERT_TRUE(ini.OpenForReading("/f.ini"));
  EXPECT_TRUE(ini.SelectGroup("a"));
  ini.WriteInteger("ONE", -11);       // replaced in place, new letter case
  ini.WriteText("Three", " 3 ");      // after the group's last entry, before [B]
  ini.WriteComment("");               // after the entry written last
  ini.WriteText("Four", "4");
  EXPECT_FALSE(ini.SelectGroup("C"));
  ini.WriteComment("new");            // the pending heading comes first
  ini.WriteText("Five", "5");
  EXPECT_TRUE(ini.Close());
  EXPECT_EQ(files.files["/f.ini"],
            "\xEF\xBB\xBF\r\n"
            "[A]\r\n"
            "ONE = -11\r\n"
            "; note\r\n"
            "Three =  3 \r\n"
            "; \r\n"
            "Four = 4\r\n"
            "[B]\r\n"
            "Two = 2\r\n"
            "[C]\r\n"
            "; new\r\n"
            "Five = 5\r\n");
}

TEST_F(IniFileWrite, CloseWritesOnlyAChangedFile) {
  files.files["/f.ini"] = "[A]\nk=1\n";
  {
    IniFile ini;
    ASSERT_TRUE(ini.OpenForReading("/f.ini"));
    ini.SelectGroup("A");
    EXPECT_EQ(ini.ReadInteger("k", 0), 1);
  }
  EXPECT_EQ(files.files["/f.ini"], "[A]\nk=1\n");

  IniFile ini;
  ASSERT_TRUE(ini.CreateForWriting("/f.ini"));
  ini.WriteText("k", "2");
  files.failWrites = true;
  EXPECT_FALSE(ini.Close());
  EXPECT_EQ(files.files["/f.ini"], "[A]\nk=1\n");
  EXPECT_FALSE(ini.OpenForReading("/missing.ini"));
}

TEST_F(IniFileWrite, WhatItWritesReadsBackTheSame) {
  IniFile ini;
  ASSERT_TRUE(ini.CreateForWriting("/f.ini"));
  ini.SelectGroup("G");
  ini.WriteText("Update Range", "a = b ; c");
  ini.WriteInteger("n", kMin);
  ini.WriteComment(" indented");
  ASSERT_TRUE(ini.Close());
  const std::string first = files.files["/f.ini"];
  ini.Parse(first);
  EXPECT_TRUE(ini.SelectGroup("g"));
  EXPECT_EQ(ini.ReadText("update range", ""), "a = b ; c");
  EXPECT_EQ(ini.ReadInteger("N", 0), kMin);
  EXPECT_EQ(ini.Serialize(), first);
}

}  // namespace
}  // namespace fl::test
