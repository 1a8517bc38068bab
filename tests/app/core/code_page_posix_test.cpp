#include "app/core/code_page_posix.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/ansi_codec.h"

namespace au {
namespace {

class CodePagePosix : public ::testing::Test {
 protected:
  void TearDown() override { SetConversionCodePage(1252); }
};

TEST_F(CodePagePosix, UnknownCodePagesAreRefusedAndTheCurrentOneKept) {
  ASSERT_TRUE(SetConversionCodePage(1251));
  EXPECT_FALSE(SetConversionCodePage(4711));
  EXPECT_EQ(ConversionCodePage(), 1251u);
  EXPECT_EQ(ConvertAnsiToUtf8("\xCF"), "\xD0\x9F");
}

TEST_F(CodePagePosix, BytesMissingFromTheCodePageBecomeTheReplacementCharacter) {
  ASSERT_TRUE(SetConversionCodePage(1251));
  EXPECT_EQ(AnsiToWide("a\x98z"), u"a\uFFFDz");  // 0x98 is unassigned in 1251
}

// With UTF-8 as the ANSI code page a code unit can take three bytes, more than
// the scratch buffer and the usual reservation allow for; the text must survive.
TEST_F(CodePagePosix, TextsLargerThanTheUsualReservationAreNotLost) {
  ASSERT_TRUE(SetConversionCodePage(65001));
  for (std::size_t count : {10u, 1365u, 1366u, 2045u, 2046u, 5000u}) {
    std::string euros;
    for (std::size_t i = 0; i < count; ++i)
      euros += "\xE2\x82\xAC";
    EXPECT_EQ(ConvertUtf8ToAnsi(euros), euros) << count;
    EXPECT_EQ(ConvertAnsiToUtf8(euros), euros) << count;
  }
}

}  // namespace
}  // namespace au
