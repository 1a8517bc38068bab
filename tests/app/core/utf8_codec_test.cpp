#include "app/core/utf8_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/app/core/utf8_reference.h"

namespace au {
namespace {

using namespace std::string_literals;

std::u16string AllBmpUnits() {
  std::u16string units(0x10000, u'\0');
  for (std::size_t u = 0; u < units.size(); ++u) units[u] = static_cast<char16_t>(u);
  return units;
}

TEST(EncodeWideToUtf8, EncodesEachCodeUnitOnItsOwn) {
  EXPECT_EQ(EncodeWideToUtf8(u""), "");
  EXPECT_EQ(EncodeWideToUtf8(u"plain ASCII \r\n~"), "plain ASCII \r\n~");
  EXPECT_EQ(EncodeWideToUtf8(u"\u007F\u0080\u07FF\u0800\uFFFF"s),
            "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"s);
  EXPECT_EQ(EncodeWideToUtf8(u"\0a\0"s), "\0a\0"s);
  // Surrogates are not paired: each half is a three-byte sequence of its own.
  EXPECT_EQ(EncodeWideToUtf8(u"\xD83D"), "\xED\xA0\xBD");
  EXPECT_EQ(EncodeWideToUtf8(u"\xD83D\xDE00"), "\xED\xA0\xBD\xED\xB8\x80");
  EXPECT_EQ(EncodeWideToUtf8(u"\u041F"), "\xD0\x9F");
}

TEST(DecodeUtf8ToWide, DecodesTwoAndThreeByteSequences) {
  EXPECT_EQ(DecodeUtf8ToWide(""), u"");
  EXPECT_EQ(DecodeUtf8ToWide("plain ASCII \r\n~"), u"plain ASCII \r\n~");
  EXPECT_EQ(DecodeUtf8ToWide("\xD0\x9F\xD1\x80\xD0\xB8"), u"\u041F\u0440\u0438");
  EXPECT_EQ(DecodeUtf8ToWide("\xE2\x82\xAC!"), u"\u20AC!");
  EXPECT_EQ(DecodeUtf8ToWide("\xED\xA0\xBD\xED\xB8\x80"), u"\xD83D\xDE00");
}

TEST(DecodeUtf8ToWide, ClassifiesLeadBytesByTwoBitsOnly) {
  // Overlong forms are taken at face value.
  EXPECT_EQ(DecodeUtf8ToWide("\xC0\x80"), u"\0"s);
  EXPECT_EQ(DecodeUtf8ToWide("\xC1\xBF"), u"\u007F");
  // A stray continuation byte starts a two-byte (0x80..0x9F) or three-byte
  // (0xA0..0xBF) sequence.
  EXPECT_EQ(DecodeUtf8ToWide("\x80\x80"), u"\0"s);
  EXPECT_EQ(DecodeUtf8ToWide("\x9F\xBF"), u"\u07FF");
  EXPECT_EQ(DecodeUtf8ToWide("\xA0\x80\x80"), u"\0"s);
  // Only the low 16 bits of a value from a lead byte 0xF0..0xFF are kept.
  EXPECT_EQ(DecodeUtf8ToWide("\xF1\x81\x82"), u"\u1042");
  EXPECT_EQ(DecodeUtf8ToWide("\xFF\xBF\xBF"), u"\uFFFF");
}

TEST(DecodeUtf8ToWide, OneBadSequenceEmptiesTheWholeResult) {
  const std::string prefix = "valid text \xD0\x9F ";
  for (const std::string& bad : {
           "\xCF\xF0"s,           // Windows-1251 text: lead byte, then no continuation
           "\xD0"s,               // truncated two-byte sequence at the very end
           "\xE2\x82"s,           // truncated three-byte sequence
           "\xE2"s,               //
           "\xF0\x9F\x98\x80"s,   // four-byte form: its last byte is read as a new lead
           "\xF0\x9F\x98\x80 "s,  //   ... which then lacks its continuation byte
           "\xD0\x41"s,           // ASCII where a continuation byte belongs
           "\xE2\x41\x80"s,       //   ... in the first or
           "\xE2\x82\x41"s,       //   ... the second trail of a three-byte sequence
       }) {
    EXPECT_EQ(DecodeUtf8ToWide(bad), u"") << testing::PrintToString(bad);
    EXPECT_EQ(DecodeUtf8ToWide(prefix + bad), u"") << testing::PrintToString(bad);
    EXPECT_EQ(DecodeUtf8ToWide(bad + prefix), u"") << testing::PrintToString(bad);
  }
}

TEST(Utf8Codec, EveryBmpCodeUnitSurvivesTheRoundTrip) {
  const std::u16string units = AllBmpUnits();
  const std::string utf8 = EncodeWideToUtf8(units);
  EXPECT_EQ(utf8.size(), 0x80 * 1 + (0x800 - 0x80) * 2 + (0x10000 - 0x800) * 3);
  EXPECT_EQ(DecodeUtf8ToWide(utf8), units);
  // One at a time too, so that the block paths cannot hide a slip of the scalar one.
  for (char16_t u : {u'\x7F', u'\x80', u'\x7FF', u'\x800', u'\xD800', u'\xDFFF', u'\xFFFF'}) {
    const std::u16string one(1, u);
    EXPECT_EQ(DecodeUtf8ToWide(EncodeWideToUtf8(one)), one);
  }
}

TEST(Utf8Codec, AsciiBlocksMixWithOtherCharactersAtEveryOffset) {
  // Non-ASCII characters at every position around the block boundaries.
  for (std::size_t length = 1; length < 70; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      std::u16string wide(length, u'a');
      wide[at] = u'\u0416';
      std::string utf8(length - 1, 'a');
      utf8.insert(at, "\xD0\x96");
      EXPECT_EQ(EncodeWideToUtf8(wide), utf8);
      EXPECT_EQ(DecodeUtf8ToWide(utf8), wide);
      // A truncated sequence hidden after a long ASCII run is still found.
      EXPECT_EQ(DecodeUtf8ToWide(std::string(length, 'a') + "\xD0"), u"");
    }
  }
}

std::u16string RussianText(std::size_t units) {
  const std::u16string sentence = u"Съешь же ещё этих мягких французских булок, да выпей чаю.\r\n";
  std::u16string text;
  while (text.size() < units) text += sentence;
  text.resize(units);
  return text;
}

TEST(Utf8Codec, BlockPathsHandBackWhatTheyDoNotTakeAtEveryOffset) {
  // Long Russian text (ASCII and two-byte sequences, which the block paths
  // take) with one thing they leave to the portable code at every offset of
  // their blocks, and cut at every length around their ends.
  const std::u16string text = RussianText(200);
  const std::string utf8 = test::ReferenceEncode(text);
  const std::vector<std::u16string> units = {u"\u20AC", u"\xD83D", u"\u0800",
                                             u"\u07FF", u"\u0080", u"x"};
  const std::vector<std::string> bytes = {"\xD0",         "\x80",     "\x9F\xBF",
                                          "\xA0\x80\x80", "\xE2\x82", "\xF0\x9F\x98\x80",
                                          "\xC0\x80",     "\xDF"};
  for (std::size_t at = 0; at < 140; ++at) {
    for (const std::u16string& odd : units) {
      std::u16string wide = text;
      wide.insert(at, odd);
      EXPECT_EQ(EncodeWideToUtf8(wide), test::ReferenceEncode(wide)) << at;
      EXPECT_EQ(DecodeUtf8ToWide(test::ReferenceEncode(wide)), wide) << at;
    }
    for (const std::string& odd : bytes) {
      std::string input = utf8;
      input.insert(at, odd);
      EXPECT_EQ(DecodeUtf8ToWide(input), test::ReferenceDecode(input).value_or(u"")) << at;
    }
    const std::string cut = utf8.substr(0, 100 + at);
    EXPECT_EQ(DecodeUtf8ToWide(cut), test::ReferenceDecode(cut).value_or(u"")) << at;
    const std::u16string shorter = text.substr(0, 60 + at);
    EXPECT_EQ(EncodeWideToUtf8(shorter), test::ReferenceEncode(shorter)) << at;
  }
}

TEST(Utf8Codec, BigTextsAreConvertedIntoResultsOfTheirOwnSize) {
  // Past 16 Mi units the results are measured before they are made, so that
  // they do not hold three bytes for each unit (or a unit for each byte).
  const std::u16string wide = RussianText(std::size_t{1} << 24);
  const std::string utf8 = EncodeWideToUtf8(wide);
  EXPECT_EQ(utf8, test::ReferenceEncode(wide));
  EXPECT_LT(utf8.capacity(), 2 * wide.size());
  const std::u16string back = DecodeUtf8ToWide(utf8);
  EXPECT_EQ(back, wide);
  EXPECT_LT(back.capacity(), utf8.size() * 3 / 4);
  EXPECT_EQ(DecodeUtf8ToWide(utf8 + "\xD0"), u"");
}

TEST(WriteUtf8Units, WithoutDestinationReturnsTheNeededLengthPlusOne) {
  EXPECT_EQ(WriteUtf8Units(nullptr, 0, u"a\u0416\u20AC\xD83D"), 1u + 1 + 2 + 3 + 3);
  EXPECT_EQ(WriteUtf8Units(nullptr, 0, u""), 1u);
  EXPECT_EQ(WriteUtf8Units(nullptr, 0, std::u16string_view()), 0u);  // no source at all
  const std::u16string units = AllBmpUnits();
  EXPECT_EQ(WriteUtf8Units(nullptr, 0, units), EncodeWideToUtf8(units).size() + 1);
}

TEST(WriteUtf8Units, StopsBeforeASequenceThatDoesNotFitAndTerminates) {
  using Result = std::pair<std::size_t, std::string>;
  std::array<char, 8> buffer;
  const auto write = [&](std::size_t capacity, std::u16string_view source) {
    buffer.fill('#');
    const std::size_t result = WriteUtf8Units(buffer.data(), capacity, source);
    return Result(result, std::string(buffer.data(), 8));
  };
  EXPECT_EQ(write(8, u"abc"), Result(4, "abc\0####"s));
  EXPECT_EQ(write(3, u"abcdef"), Result(3, "ab\0#####"s));
  EXPECT_EQ(write(1, u"abc"), Result(1, "\0#######"s));
  EXPECT_EQ(write(4, u"a\u0416"), Result(4, "a\xD0\x96\0####"s));
  // The 0 byte needs its own slot: no sequence is cut by it.
  EXPECT_EQ(write(3, u"a\u0416"), Result(2, "a\0######"s));
  EXPECT_EQ(write(5, u"a\u20AC"), Result(5, "a\xE2\x82\xAC\0###"s));
  EXPECT_EQ(write(4, u"a\u20ACb"), Result(2, "a\0######"s));
  // Nothing at all fits in 0 bytes, not even the 0 byte.
  EXPECT_EQ(write(0, u"abc"), Result(0, "########"s));
}

TEST(ReadUtf8Bytes, WithoutDestinationScansTheWholeInput) {
  EXPECT_EQ(ReadUtf8Bytes(nullptr, 0, "a\xD0\x96\xE2\x82\xAC"), 4u);
  EXPECT_EQ(ReadUtf8Bytes(nullptr, 0, ""), 1u);
  EXPECT_EQ(ReadUtf8Bytes(nullptr, 0, std::string_view()), 0u);
  EXPECT_EQ(ReadUtf8Bytes(nullptr, 0, std::string(100, 'a') + "\xD0"), kMalformedUtf8);
  EXPECT_EQ(static_cast<std::int32_t>(kMalformedUtf8), -1);
}

TEST(ReadUtf8Bytes, StopsWhenFullAndPutsTheZeroUnitInTheLastSlot) {
  using Result = std::pair<std::size_t, std::u16string>;
  std::array<char16_t, 6> buffer;
  const auto read = [&](std::size_t capacity, std::string_view source) {
    buffer.fill(u'#');
    const std::size_t result = ReadUtf8Bytes(buffer.data(), capacity, source);
    return Result(result, std::u16string(buffer.data(), 6));
  };
  EXPECT_EQ(read(6, "ab\xD0\x96"), Result(4, u"ab\u0416\0##"s));
  EXPECT_EQ(read(3, "abcdef"), Result(3, u"ab\0###"s));
  EXPECT_EQ(read(1, "abc"), Result(1, u"\0#####"s));
  EXPECT_EQ(read(0, "abc"), Result(0, u"######"s));
  // Only what is scanned is checked: a bad sequence beyond the capacity is never read...
  EXPECT_EQ(read(2, "ab\xD0"), Result(2, u"a\0####"s));
  // ...but the unit that the 0 replaces is.
  EXPECT_EQ(read(2, "a\xD0").first, kMalformedUtf8);
}

}  // namespace
}  // namespace au
