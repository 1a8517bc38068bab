#include "app/core/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace au {
namespace {

using namespace std::string_literals;

// Argument 0 and then every argument that ParamCount counts.
std::vector<std::u16string> Split(std::u16string_view line) {
  const CommandLineArgs args(line);
  std::vector<std::u16string> all;
  for (int i = 0; i <= args.ParamCount(); ++i)
    all.push_back(args.ParamStr(i));
  return all;
}

using Args = std::vector<std::u16string>;

TEST(CommandLine, RunsOfControlCharactersAndSpacesSeparate) {
  EXPECT_EQ(Split(u"prog.exe a.txt b"), (Args{u"prog.exe", u"a.txt", u"b"}));
  EXPECT_EQ(Split(u"  prog \t\r\n a\x01\x1F"
                  u"b \x7F"),
            (Args{u"prog", u"a", u"b", u"\x7F"}));
  EXPECT_EQ(Split(u"prog   "), (Args{u"prog"}));
}

TEST(CommandLine, QuotesGroupAndAreDropped) {
  EXPECT_EQ(Split(u"\"C:\\Program Files\\app.exe\" \"C:\\My Texts\\a b.txt\""),
            (Args{u"C:\\Program Files\\app.exe", u"C:\\My Texts\\a b.txt"}));
  EXPECT_EQ(Split(u"p a\"b c\"d\"e\" f"), (Args{u"p", u"ab cde", u"f"}));
  EXPECT_EQ(Split(u"p \"tab\there\""), (Args{u"p", u"tab\there"}));
  // An unclosed quote runs to the end of the line.
  EXPECT_EQ(Split(u"p \"open to the end  "), (Args{u"p", u"open to the end  "}));
}

TEST(CommandLine, TwoQuotesInARowAreSkippedLikeWhiteSpace) {
  EXPECT_EQ(Split(u"p \"\" file"), (Args{u"p", u"file"}));
  EXPECT_EQ(Split(u"p \"\"\"\" \"\" file \"\""), (Args{u"p", u"file"}));
  EXPECT_EQ(Split(u"\"\" p file"), (Args{u"p", u"file"}));
  EXPECT_EQ(Split(u"p \"\"file\"\""), (Args{u"p", u"file"}));
}

TEST(CommandLine, CountsTheArgumentsBeforeTheFirstEmptyOne) {
  const CommandLineArgs none(u"");
  EXPECT_EQ(none.ParamCount(), 0);
  EXPECT_EQ(none.ParamStr(0), u"");
  EXPECT_EQ(CommandLineArgs(u"   \t ").ParamCount(), 0);

  // A lone quote at the end makes an empty argument, which ends the list.
  const CommandLineArgs args(u"p one \"");
  EXPECT_EQ(args.ParamCount(), 1);
  EXPECT_EQ(args.ParamStr(1), u"one");
  EXPECT_EQ(args.ParamStr(2), u"");
  EXPECT_EQ(args.ParamStr(-1), u"");
}

TEST(CommandLine, WideCharactersAndAZeroUnit) {
  EXPECT_EQ(Split(u"p \"Файл №1.txt\" \U0001F600.txt"),
            (Args{u"p", u"Файл №1.txt", u"\U0001F600.txt"}));
  // The line ends at a 0 unit, also inside quotes.
  EXPECT_EQ(Split(u"p a\0b c"s), (Args{u"p", u"a"}));
  EXPECT_EQ(Split(u"p \"a \0b\" c"s), (Args{u"p", u"a "}));
}

TEST(CommandLine, NextParamContinuesWhereTheLastArgumentEnded) {
  const std::u16string line = u"p  \"x y\"z  w";
  std::u16string param;
  std::size_t pos = NextParam(line, 0, param);
  EXPECT_EQ(param, u"p");
  pos = NextParam(line, pos, param);
  EXPECT_EQ(param, u"x yz");
  EXPECT_EQ(line.substr(pos), u"  w");
  pos = NextParam(line, pos, param);
  EXPECT_EQ(param, u"w");
  NextParam(line, pos, param);
  EXPECT_EQ(param, u"");
}

}  // namespace
}  // namespace au
