// Numbers, words and gradient descriptions as skins write them.
#include <gtest/gtest.h>

#include "skin/ansi_text.h"
#include "skin/conversion_error.h"
#include "skin/gradient_parser.h"
#include "skin/number_text.h"

namespace au {
namespace {

TEST(SkinNumbers, IntegersInDecimalAndBothHexadecimalForms) {
  EXPECT_EQ(ParseInteger("255"), 255);
  EXPECT_EQ(ParseInteger("  -17"), -17);  // leading blanks, as in fixed columns
  EXPECT_EQ(ParseInteger("+8"), 8);
  EXPECT_EQ(ParseInteger("$0000FF"), 255);
  EXPECT_EQ(ParseInteger("0x0000FF"), 255);
  EXPECT_EQ(ParseInteger("0XfF"), 255);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);  // hexadecimal may use all 32 bits
  EXPECT_EQ(ParseInteger("$FF00000F"), static_cast<std::int32_t>(0xFF00000Fu));
  EXPECT_EQ(ParseInteger("-$10"), -16);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(SkinNumbers, AnythingElseIsNoInteger) {
  for (const char* text : {"", " ", "-", "$", "0x", "12 ", "1.5", "12a", "$1G", "2147483648",
                           "-2147483649", "$100000000", "--1", "1e3"})
    EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
  EXPECT_EQ(StrToIntDef("abc", 7), 7);
  EXPECT_THROW(StrToInt("abc"), SkinConversionError);
  EXPECT_THROW(StrToInt(""), SkinConversionError);
  EXPECT_EQ(StrToInt(" 42"), 42);
}

TEST(SkinNumbers, FloatsUseThePointWhateverTheLocale) {
  EXPECT_EQ(ParseFloat("4.81"), 4.81);
  EXPECT_EQ(ParseFloat(" -0.5 "), -0.5);
  EXPECT_EQ(ParseFloat("5"), 5.0);
  EXPECT_EQ(ParseFloat(".25"), 0.25);
  EXPECT_EQ(ParseFloat("1e2"), 100.0);
  for (const char* text : {"", "4,81", "abc", "inf", "nan", "1e999", "0x10", "4.8.1", "."})
    EXPECT_FALSE(ParseFloat(text).has_value()) << '"' << text << '"';
}

TEST(SkinText, WordsTrimmingAndCaseFreeComparison) {
  EXPECT_EQ(SplitWords(";;1;;2;", ";"), (std::vector<std::string_view>{"1", "2"}));
  EXPECT_EQ(SplitWords("#(0,0,42,45)(1,0)", " ()"),
            (std::vector<std::string_view>{"#", "0,0,42,45", "1,0"}));
  EXPECT_TRUE(SplitWords(";;;", ";").empty());
  EXPECT_EQ(TrimBlanks("\t x y \r\n"), "x y");
  EXPECT_EQ(TrimBlanks(std::string_view("\0a\x1f", 3)), "a");
  EXPECT_TRUE(SameText("PanEl", "PANEL"));
  EXPECT_FALSE(SameText("PANEL", "PANEL1"));
  EXPECT_EQ(UpperCase("a\xe9z.bmp"), "A\xe9Z.BMP");  // bytes above 127 are no ASCII letters
}

TEST(GradientParser, GroupsOfFiveWithPercentClipped) {
  const TsGradArray steps = ParseGradientData("14079702;11842740;110;0;0;11842740;11842740;0;0;0");
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].Color1, 14079702);
  EXPECT_EQ(steps[0].Color2, 11842740);
  EXPECT_EQ(steps[0].Percent, 100);
  EXPECT_EQ(steps[0].Mode, 0);
  EXPECT_EQ(steps[1].Color1, 11842740);
  EXPECT_EQ(steps[1].Percent, 0);
  EXPECT_EQ(steps[1].Reserved, 0);

  EXPECT_EQ(ParseGradientData("1;2;250;1;0")[0].Percent, 100);
  EXPECT_EQ(ParseGradientData("1;2;-5;1;0")[0].Percent, 0);  // no wrap into a byte
  EXPECT_EQ(ParseGradientData("1;2;3;2;9")[0].Mode, 2);
}

TEST(GradientParser, IncompleteGroupsRunsOfSeparatorsAndBlanks) {
  const TsGradArray seven = ParseGradientData("1;2;30;1;0;6;7");
  ASSERT_EQ(seven.size(), 1u);
  EXPECT_EQ(seven[0].Color1, 1);
  EXPECT_EQ(seven[0].Mode, 1);

  const TsGradArray runs = ParseGradientData(";;1;;2;;;40;1;;0;;");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].Color2, 2);
  EXPECT_EQ(runs[0].Percent, 40);

  EXPECT_TRUE(ParseGradientData(" ").empty());
  EXPECT_TRUE(ParseGradientData("").empty());
  EXPECT_TRUE(ParseGradientData("1;2;3;4").empty());
  // A typo counts as 0 and keeps the following numbers in their places.
  const TsGradArray typo = ParseGradientData("1;x;50;0;0");
  ASSERT_EQ(typo.size(), 1u);
  EXPECT_EQ(typo[0].Color2, 0);
  EXPECT_EQ(typo[0].Percent, 50);
  EXPECT_EQ(ParseGradientData("$FF; 0x10 ;3;0;0")[0].Color2, 16);
}

}  // namespace
}  // namespace au
