#include "app/core/ansi_codec.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/app/core/test_code_pages.h"

namespace au {
namespace {

using namespace std::string_literals;

class AnsiCodec : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override { testing_support::SelectCodePage(GetParam()); }

  // The bytes that stand for a character of the code page: those that make one
  // code unit other than the replacement character.
  static std::string HeldBytes() {
    std::string held;
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const std::u16string wide = AnsiToWide(byte);
      if (wide.size() == 1 && wide[0] != u'\uFFFD') held += byte;
    }
    return held;
  }
};

TEST_P(AnsiCodec, EmptyAndAsciiTextPassUnchanged) {
  EXPECT_EQ(ConvertAnsiToUtf8(""), "");
  EXPECT_EQ(ConvertUtf8ToAnsi(""), "");
  std::string ascii;
  for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
  EXPECT_EQ(ConvertAnsiToUtf8(ascii), ascii);
  EXPECT_EQ(ConvertUtf8ToAnsi(ascii), ascii);
  EXPECT_EQ(ConvertAnsiToUtf8(" "), " ");
}

TEST_P(AnsiCodec, CodePageCharactersBecomeTheirUtf8Form) {
  const std::map<unsigned, std::map<std::string, std::string>> expected = {
      {1251, {{"\xCF", "\xD0\x9F"}, {"\xE0", "\xD0\xB0"}, {"\x88", "\xE2\x82\xAC"}}},
      {1252, {{"\xCF", "\xC3\x8F"}, {"\xE9", "\xC3\xA9"}, {"\x80", "\xE2\x82\xAC"}}},
  };
  for (const auto& [ansi, utf8] : expected.at(GetParam())) {
    EXPECT_EQ(ConvertAnsiToUtf8(ansi), utf8);
    EXPECT_EQ(ConvertUtf8ToAnsi(utf8), ansi);
  }
}

TEST_P(AnsiCodec, EveryHeldByteSurvivesTheRoundTrip) {
  const std::string held = HeldBytes();
  EXPECT_GE(held.size(), 251u);  // the Windows code pages 1251 and 1252 leave at most 5 gaps
  for (char b : held) {
    const std::string byte(1, b);
    EXPECT_EQ(ConvertUtf8ToAnsi(ConvertAnsiToUtf8(byte)), byte)
        << int(static_cast<unsigned char>(b));
  }
}

TEST_P(AnsiCodec, MissingCharactersAreReplacedAndMalformedUtf8GivesNothing) {
  EXPECT_EQ(ConvertUtf8ToAnsi("\xE4\xB8\xAD"), "?");  // U+4E2D is in neither code page
  EXPECT_EQ(ConvertUtf8ToAnsi("a\xED\xA0\xBD"
                              "b"),
            "a?b");  // a lone surrogate
  EXPECT_EQ(ConvertUtf8ToAnsi("\xCF\xF0"), "");
  EXPECT_EQ(ConvertUtf8ToAnsi(std::string(5000, 'a') + "\xD0"), "");
}

TEST_P(AnsiCodec, ShortAndLongTextsConvertAlike) {
  // Lengths on both sides of the switch from the scratch buffer to a reserved result.
  const std::string held = HeldBytes();
  for (std::size_t length : {2044u, 2045u, 2046u, 2047u, 4095u, 4096u, 10000u}) {
    std::string ansi;
    std::string utf8;
    for (std::size_t i = 0; i < length; ++i) {
      const std::string byte(1, held[i % held.size()]);
      ansi += byte;
      utf8 += ConvertAnsiToUtf8(byte);
    }
    EXPECT_EQ(ConvertAnsiToUtf8(ansi), utf8) << length;
    EXPECT_EQ(ConvertUtf8ToAnsi(utf8), ansi) << length;
    EXPECT_EQ(AnsiToWide(ansi).size(), length);
  }
}

TEST_P(AnsiCodec, BigTextsConvertAlikeIntoResultsOfTheirOwnSize) {
  // Past 16 Mi bytes or units the results are measured before they are made.
  const std::string held = HeldBytes();
  const std::string heldUtf8 = ConvertAnsiToUtf8(held);
  std::string ansi;
  std::string utf8;
  while (ansi.size() < (std::size_t{1} << 24)) {
    ansi += held;
    utf8 += heldUtf8;
  }
  EXPECT_EQ(ConvertAnsiToUtf8(ansi), utf8);
  const std::string back = ConvertUtf8ToAnsi(utf8);
  EXPECT_EQ(back, ansi);
  EXPECT_LT(back.capacity(), 2 * ansi.size());  // not two bytes for every code unit
}

INSTANTIATE_TEST_SUITE_P(CodePages, AnsiCodec,
                         ::testing::ValuesIn(testing_support::TestCodePages()),
                         [](const auto& info) { return "cp" + std::to_string(info.param); });

}  // namespace
}  // namespace au
