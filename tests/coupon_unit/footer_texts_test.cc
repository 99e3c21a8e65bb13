// Footer texts cut or composed from the host's values.
#include <gtest/gtest.h>

#include "coupon/footer_texts.h"
#include "mdx00200/datetime.h"
#include "mdx00200/format_settings.h"
#include "mdx00200/string_list.h"

namespace Mdx00200::coupon {
namespace {

using mdx::AnsiString;
using Lines = std::array<AnsiString, 4>;

TEST(FooterTextsTest, FreeTextIsCutIntoFourLines) {
  const AnsiString forty(40, 'x');
  struct Case {
    const char* name;
    AnsiString text;
    Lines lines;
  } cases[] = {
      {"lines ended by CR LF", "um\r\ndois\r\ntres\r\nquatro\r\ncinco", {"um", "dois", "tres", "quatro"}},
      {"an empty line after a line is skipped", "um\r\n\r\ndois\r\n\r\n\r\ntres", {"um", "dois", "", "tres"}},
      {"long text in pieces of 40", forty + forty + "yy", {forty, forty, "yy", ""}},
      {"a line feed past 40 characters", forty + "z\r\nw", {forty, "z", "w", ""}},
      {"a line feed alone drops the character before it", "ab\ncd\n", {"a", "c", "", ""}},
      {"nothing", "", {"", "", "", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(CutFreeText(c.text), c.lines) << c.name;
}

TEST(FooterTextsTest, TableLineOfATableAndOfATab) {
  EXPECT_EQ(TableLine("", "Comanda", "Mesa"), "");
  EXPECT_EQ(TableLine("12", "Comanda", "Mesa"), "Mesa  : 12           - ");
  EXPECT_EQ(TableLine("1234", "Comanda", "Mesa"), "Mesa  : 1234           - ");
  EXPECT_EQ(TableLine("12345", "Comanda", "Mesa"), "Comanda : 12345   - ");
}

TEST(FooterTextsTest, TefReceiptLinesEndAtLineFeeds) {
  mdx::TStringList host;
  host.Add("A\n");
  host.Add("B\nC\n");
  host.Add("X");         // no line feed: dropped
  host.Add("D\nrest");   // the text after the last line feed is dropped
  host.Add("\n");
  EXPECT_EQ(TefReceiptLines(&host), (std::vector<AnsiString>{"A", "B", "C", "D", ""}));
  EXPECT_TRUE(TefReceiptLines(nullptr).empty());
}

TEST(FooterTextsTest, TaxAndParaibaLegalTexts) {
  EXPECT_EQ(TaxText(1234.5, 0.2),
            "Trib aprox R$: 1.234,50 Federal e 0,20 Estadual\n\rFonte: IBPT");
  EXPECT_EQ(ParaibaLegalText("12.345.678/0001-95", mdx::EncodeDate(2026, 12, 6), "57,30",
                             "123.456.789-09"),
            "PARAIBA LEGAL - RECEITA CIDADA\n\rTORPEDO PREMIADO: 12345678000195 06122026 5730 "
            "123.456.789");
}

TEST(FooterTextsTest, NetValue) {
  EXPECT_EQ(NetValueText(60, 2.7, "000000003000"), "57,30");
  EXPECT_EQ(NetValueText(0.5, 0, "000000000050"), ",50");
  // Payments equal to the voucher: the last payment's digits stand in.
  EXPECT_EQ(NetValueText(5, 5, "000000000500"), "000000000500");
  mdx::FormatSettingsGuard guard;
  mdx::FormatSettings().DecimalSeparator = '.';
  EXPECT_EQ(NetValueText(5, 5, "000000000500"), "000000000500");
  EXPECT_EQ(NetValueText(10, 2.5, ""), "7.50");
}

}  // namespace
}  // namespace Mdx00200::coupon
