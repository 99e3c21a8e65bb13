// Padding, centring and repetition: exact widths, texts longer than the
// width, and widths of zero or less.
#include <gtest/gtest.h>

#include "mdx00200/hostlib.h"

namespace {

using mdx::AnsiString;

struct PadCase {
  AnsiString text;
  int width;
  AnsiString ajustaZero;
  AnsiString ajusta;  // also PadL
  AnsiString tamFixo;
  AnsiString tamFixoR;
  AnsiString centraliza;
};

class PaddingTable : public ::testing::TestWithParam<PadCase> {};

TEST_P(PaddingTable, EachRoutineGivesItsLayout) {
  const PadCase& c = GetParam();
  EXPECT_EQ(Consiste::AjustaZero(c.text, c.width), c.ajustaZero);
  EXPECT_EQ(Consiste::Ajusta(c.text, c.width), c.ajusta);
  EXPECT_EQ(Consiste::PadL(c.text, c.width), c.ajusta);
  EXPECT_EQ(Consiste::TamFixo(c.text, c.width), c.tamFixo);
  EXPECT_EQ(Consiste::TamFixoR(c.text, c.width), c.tamFixoR);
  EXPECT_EQ(Consiste::Centraliza(c.text, c.width), c.centraliza);
}

INSTANTIATE_TEST_SUITE_P(
    Consiste, PaddingTable,
    ::testing::Values(
        // text   width  AjustaZero  Ajusta/PadL  TamFixo   TamFixoR  Centraliza
        PadCase{"7", 2, "07", " 7", "7 ", " 7", "7 "},
        PadCase{"ab", 5, "000ab", "   ab", "ab   ", "   ab", " ab  "},
        PadCase{"abc", 6, "000abc", "   abc", "abc   ", "   abc", " abc  "},
        PadCase{"abcd", 4, "abcd", "abcd", "abcd", "abcd", "abcd"},
        // Longer than the width: the left fills keep the text whole so the
        // caller can see it did not fit; the fixed widths cut.
        PadCase{"123456", 4, "123456", "123456", "1234", "3456", "1234"},
        PadCase{"", 3, "000", "   ", "   ", "   ", "   "},
        PadCase{"abc", 0, "", "", "", "", ""},
        PadCase{"abc", -2, "", "", "", "", ""},
        // Widths count bytes: a 1252 accented letter is one column.
        PadCase{"Pa\xEDs", 6, "00Pa\xEDs", "  Pa\xEDs", "Pa\xEDs  ", "  Pa\xEDs", " Pa\xEDs "}));

TEST(Centraliza, ReceiptLinesAreExactlyTheWidthWithTheOddBlankOnTheRight) {
  AnsiString title = "Identifica\xE7\xE3o do Paf-Ecf";  // 24 bytes
  AnsiString line = Consiste::Centraliza(title, 48);
  EXPECT_EQ(line, AnsiString(12, ' ') + title + AnsiString(12, ' '));
  line = Consiste::Centraliza("RECIBO", 41);  // 35 blanks: 17 left, 18 right
  EXPECT_EQ(line, AnsiString(17, ' ') + "RECIBO" + AnsiString(18, ' '));
}

TEST(Replicate, RepeatsTheTextCountTimes) {
  EXPECT_EQ(Consiste::Replicate("-", 40), AnsiString(40, '-'));
  EXPECT_EQ(Consiste::Replicate("ab", 3), "ababab");
  EXPECT_EQ(Consiste::Replicate("ab", 0), "");
  EXPECT_EQ(Consiste::Replicate("ab", -1), "");
  EXPECT_EQ(Consiste::Replicate("", 5), "");
}

TEST(EmptyString, OnlyEmptyOrBlankTextIsEmpty) {
  EXPECT_TRUE(Consiste::EmptyString(""));
  EXPECT_TRUE(Consiste::EmptyString("   "));
  EXPECT_TRUE(Consiste::EmptyString(" \t\r\n"));
  EXPECT_FALSE(Consiste::EmptyString("  x "));
  EXPECT_FALSE(Consiste::EmptyString("0"));
  EXPECT_FALSE(Consiste::EmptyString("\xA0"));  // no-break space is a character in 1252 text
}

TEST(Iif, ChoosesByTheCondition) {
  EXPECT_EQ(Consiste::iif(true, mdx::Variant("S"), mdx::Variant(2)), mdx::Variant("S"));
  EXPECT_EQ(Consiste::iif(false, mdx::Variant("S"), mdx::Variant(2)), mdx::Variant(2));
}

}  // namespace
