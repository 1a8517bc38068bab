#include "skin/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace au {
namespace {

TEST(IniFile, SectionsKeysAndValuesAreTrimmedAndMatchedWithoutCase) {
  const IniFile ini(
      "stray=dropped\r\n"
      "  [ Panel ]  \r\n"
      "\tColor = 255 \r\n"
      "; Color=1\n"
      "GradientData=1;2;3;4;5\n"
      "\n"
      "FLAG\n"
      "[GLOBALINFO]\n"
      "VERSION=4.81\n"
      "Equals=a=b\n");
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.Sections()[0].Name, "Panel");
  EXPECT_EQ(ini.ReadInteger("PANEL", "color", 0), 255);
  EXPECT_EQ(ini.ReadString("panel", "GRADIENTDATA", "?"), "1;2;3;4;5");
  EXPECT_EQ(ini.ReadString("PANEL", "FLAG", "?"), "");  // a key without a value
  EXPECT_EQ(ini.ReadString("PANEL", "stray", "?"), "?");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "equals", ""), "a=b");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GlobalInfo", "Version", 0), 4.81);
  EXPECT_EQ(ini.Sections()[0].Entries.size(), 3u);  // the comment is no entry
  EXPECT_EQ(ini.LinesBeforeSections(), std::vector<std::string>{"stray=dropped"});
}

TEST(IniFile, AByteOrderMarkAtTheStartIsSkippedAndNowhereElse) {
  struct Case {
    std::string_view Text;
    std::vector<std::string> Sections;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF[ALPHAEDIT]\nCOLOR=1\n[PANEL]\n", {"ALPHAEDIT", "PANEL"}},
      {"\xEF\xBB\xBF\r\n[ALPHAEDIT]\n", {"ALPHAEDIT"}},
      // Only a whole mark at the very start is one; elsewhere the bytes are text.
      {"\xEF\xBB[ALPHAEDIT]\n[PANEL]\n", {"PANEL"}},
      {"[PANEL]\n\xEF\xBB\xBF[ALPHAEDIT]\n", {"PANEL"}},
  };
  for (const Case& c : cases) {
    const IniFile ini(c.Text);
    std::vector<std::string> names;
    for (const IniFile::Section& section : ini.Sections()) names.push_back(section.Name);
    EXPECT_EQ(names, c.Sections) << c.Text;
  }
  EXPECT_EQ(IniFile("\xEF\xBB\xBF[A]\nCOLOR=1\n").ReadInteger("A", "COLOR", 0), 1);
}

TEST(IniFile, MissingOrMalformedValuesGiveTheFallback) {
  const IniFile ini("[A]\nN=12x\nH=0x0000FF\nD=$0000FF\nF=4,81\nE=\n");
  EXPECT_EQ(ini.ReadInteger("A", "N", -1), -1);
  EXPECT_EQ(ini.ReadInteger("A", "H", -1), 255);
  EXPECT_EQ(ini.ReadInteger("A", "D", -1), 255);
  EXPECT_EQ(ini.ReadInteger("A", "E", 9), 9);
  EXPECT_EQ(ini.ReadInteger("A", "missing", 3), 3);
  EXPECT_EQ(ini.ReadInteger("B", "N", 3), 3);
  EXPECT_EQ(ini.ReadFloat("A", "F", 1.5), 1.5);
  EXPECT_EQ(ini.FindSection("b"), nullptr);
}

TEST(IniFile, RepeatedSectionsContinueTheFirstAndTheFirstKeyWins) {
  const IniFile ini("[A]\nK=1\n[B]\n[a]\nK=2\nL=3\n");
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.ReadInteger("A", "K", 0), 1);
  EXPECT_EQ(ini.ReadInteger("A", "L", 0), 3);
  EXPECT_EQ(ini.Sections()[0].Entries.size(), 3u);
}

TEST(IniFile, OddLinesAndBinaryBytesAreHarmless) {
  const char raw[] = "[\n]\n[]\nk=v\n[x\n\0\xff=\x01\n";
  const IniFile ini(std::string_view(raw, sizeof raw - 1));
  ASSERT_EQ(ini.Sections().size(), 1u);  // only "[]" is a header
  EXPECT_EQ(ini.Sections()[0].Name, "");
  EXPECT_EQ(ini.ReadString("", "k", ""), "v");
  EXPECT_TRUE(IniFile("").Sections().empty());
}

}  // namespace
}  // namespace au
