#include "mdx00200/ansi_string.h"

#include <gtest/gtest.h>

#include "mdx00200/exceptions.h"

namespace mdx {
namespace {

TEST(AnsiStringTest, Utf8RoundTripThroughCodePage1252) {
  // "Alíquota não €" in UTF-8 and in 1252.
  const std::string utf8 = "Al\xC3\xADquota n\xC3\xA3o \xE2\x82\xAC";
  const AnsiString ansi = "Al\xEDquota n\xE3o \x80";
  EXPECT_EQ(Utf8ToAnsi(utf8), ansi);
  EXPECT_EQ(AnsiToUtf8(ansi), utf8);
  for (int b = 1; b < 256; ++b) {
    AnsiString one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(one)), one) << b;
    EXPECT_EQ(WideToAnsi(AnsiToWide(one)), one) << b;
  }
}

TEST(AnsiStringTest, UnmappableAndBrokenInputBecomesQuestionMark) {
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");         // a CJK character
  EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");                // cut sequence
  EXPECT_EQ(Utf8ToAnsi("\xFF" "b"), "?b");             // invalid lead byte
  EXPECT_EQ(Utf8ToAnsi("\xC3" "A"), "?A");             // missing continuation
  EXPECT_EQ(WideToAnsi(std::wstring(1, static_cast<wchar_t>(0x4E2D))), "?");
}

TEST(AnsiStringTest, CaseAndTrim) {
  EXPECT_EQ(UpperCase("a\xE7z"), "A\xE7Z");
  EXPECT_EQ(AnsiUpperCase("a\xE7\xE3z"), "A\xC7\xC3Z");
  EXPECT_EQ(AnsiLowerCase("\xC7\xC3"), "\xE7\xE3");
  EXPECT_TRUE(SameText("DataDif", "Datadif"));
  EXPECT_FALSE(SameText("DataDif", "DataDi"));
  EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(AnsiStringTest, CopyAndPosAreOneBasedAndClipped) {
  struct Case {
    int start, count;
    const char* expected;
  } cases[] = {{1, 3, "abc"}, {3, 10, "cdef"}, {0, 2, "ab"}, {7, 1, ""}, {2, 0, ""}, {2, -1, ""}};
  for (const Case& c : cases) EXPECT_EQ(Copy("abcdef", c.start, c.count), c.expected);
  EXPECT_EQ(Pos("cd", "abcdef"), 3);
  EXPECT_EQ(Pos("x", "abcdef"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(StringReplaceAll("1.234,56", ".", ""), "1234,56");
  EXPECT_EQ(StringReplaceAll("aaa", "a", "aa"), "aaaaaa");
}

TEST(AnsiStringTest, IntegerTexts) {
  EXPECT_EQ(IntToStr(-12), "-12");
  EXPECT_EQ(StrToInt(" 0042 "), 42);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("-7"), -7);
  for (const char* bad : {"", "1.5", "abc", "12a", "99999999999"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
  }
  EXPECT_EQ(StrToIntDef("x", 5), 5);
}

}  // namespace
}  // namespace mdx
