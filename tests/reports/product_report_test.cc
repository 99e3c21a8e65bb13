// The product report as a host calls it: the confirmation, the report-open
// flag, the lines of the plain and the grouped form, the flushes of the
// text-block buffer, and refusals and data it cannot use.
#include <gtest/gtest.h>

#include <cstdio>

#include "mdx00200/data_module.h"
#include "mdx00200/exceptions.h"
#include "reports/host_datasets.h"
#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using ProductReportFn = void (*)(Text, Text, Text, Text, Text, AnsiString&, TClientDataSet*, Text,
                                 Text, Text, bool&);

struct Product {
  AnsiString fiscalCode;
  AnsiString code;
  AnsiString name;
  double quantity;
  double total;
  double surcharge;
  double discount;
  double rate;
  AnsiString taxType;
};

AnsiString Blanks(size_t count) { return AnsiString(count, ' '); }
AnsiString Left(const AnsiString& text, size_t width) { return text + Blanks(width - text.size()); }
AnsiString Right(const AnsiString& text, size_t width) { return Blanks(width - text.size()) + text; }

const AnsiString kTitle = ".080" + Blanks(9) + "RELATORIO DE PRODUTOS" + Blanks(10) + "}";
const AnsiString kHeader = "CODIGO" + Blanks(9) + "NOME" + Blanks(16) + "  QTDE" + "  VLR.TOT.";
const AnsiString kRule(51, '-');

std::unique_ptr<TClientDataSet> Products(const std::vector<Product>& products) {
  std::vector<std::vector<Variant>> rows;
  for (const Product& p : products)
    rows.push_back({p.fiscalCode, p.code, p.name, p.quantity, p.total, p.surcharge, p.discount,
                    p.rate, p.taxType});
  auto dataSet = HostDataSet({"CDPRODIMPFIS:S20", "CDPRODUTO:S20", "NMPRODUTO:S40", "QTPRODVEND:F",
                              "VRTOTAL:F", "VRACRE:F", "VRDESC:F", "VRPEALIMPFIS:F",
                              "IDTPIMPOSFIS:S1"},
                             rows);
  return dataSet;
}

// `count` products "P01", "P02", ... of one unit at 1,00 and 18%.
std::vector<Product> Numbered(int count) {
  std::vector<Product> products;
  for (int i = 1; i <= count; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "P%02d", i);
    products.push_back({code, "", "PRODUTO", 1, 1, 0, 0, 18, "T"});
  }
  return products;
}

class ProductReportTest : public ReportTest {
 protected:
  void Run(TClientDataSet* products, const AnsiString& mode, const AnsiString& grouped,
           bool& reportOpen) {
    Op<ProductReportFn>("Relatorio_Produto")("a", "b", "c", "d", "e", couponNumber, products, mode,
                                             grouped, "001", reportOpen);
  }
  void Run(TClientDataSet* products, const AnsiString& grouped) {
    bool reportOpen = true;
    Run(products, "N", grouped, reportOpen);
  }
  // The rows of the module's tax-rate totals: rate, type and total per row.
  std::vector<AnsiString> TaxTotals() {
    TClientDataSet& totals = *Package().Global<Mdx00200::TdtmSweda200*>("dtmSweda200")->cdsAliqProduto;
    std::vector<AnsiString> rows;
    for (totals.First(); !totals.Eof(); totals.Next())
      rows.push_back(totals.FieldByName("VRPERCSITTRIB").AsString() + " " +
                     totals.FieldByName("IDTPIMPOSFIS").AsString() + " " +
                     totals.FieldByName("VRTOTALALIQ").AsString());
    return rows;
  }
  AnsiString AllText() {
    AnsiString text;
    for (const AnsiString& block : TextBlocks()) text += block;
    return text;
  }

  AnsiString couponNumber = "unchanged";
};

TEST_F(ProductReportTest, ConfirmationDecidesWhetherAnythingIsSent) {
  struct Case {
    const char* mode;
    int answer;  // -1: no question; 0: no; 1: yes
    size_t dialogs;
    bool prints;
  } cases[] = {
      {"X", -1, 0, false},
      {"", -1, 0, false},
      {"S", 0, 1, false},
      {"S", 1, 1, true},
      {"N", -1, 0, true},
  };
  auto products = Products({{"1", "", "CAFE", 1, 5, 0, 0, 18, "T"}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    ForgetFrames();
    host_->dialogs.clear();
    if (c.answer >= 0) host_->Answer({c.answer == 1});
    bool reportOpen = false;
    couponNumber = "unchanged";
    Run(products.get(), c.mode, "N", reportOpen);
    EXPECT_EQ(reportOpen, c.prints);
    EXPECT_EQ(Frames().empty(), !c.prints);
    EXPECT_EQ(couponNumber == "unchanged", !c.prints);
    ASSERT_EQ(host_->dialogs.size(), c.dialogs);
    if (c.dialogs == 1) {
      const DialogRequest& asked = host_->dialogs[0];
      EXPECT_EQ(asked.text, "Confirma impress\xE3o do Relat\xF3rio de Produtos?");
      EXPECT_EQ(asked.kind, tmConfirmacao);
      EXPECT_EQ(asked.option1 + asked.option2, "NS");
      EXPECT_EQ(asked.scheme, "001");
    }
  }
  // A report turned off looks at nothing: data it could not use is no error.
  auto unusable = HostDataSet({"VRTOTAL:F"}, {{5.0}});
  for (TClientDataSet* products : {unusable.get(), static_cast<TClientDataSet*>(nullptr)}) {
    ForgetFrames();
    bool reportOpen = false;
    EXPECT_NO_THROW(Run(products, "X", "S", reportOpen));
    EXPECT_FALSE(reportOpen);
    EXPECT_TRUE(Frames().empty());
  }
}

TEST_F(ProductReportTest, FlagSaysWhetherAnOpenDocumentIsClosedFirst) {
  auto products = Products({{"1", "", "CAFE", 1, 5, 0, 0, 18, "T"}});
  for (bool openOnEntry : {false, true}) {
    SCOPED_TRACE(openOnEntry);
    ForgetFrames();
    bool reportOpen = openOnEntry;
    Run(products.get(), "N", "N", reportOpen);
    EXPECT_TRUE(reportOpen);
    std::vector<AnsiString> expected = {".13S}", ".271}", ".27H}", kTitle};
    if (!openOnEntry) expected.insert(expected.begin(), ".12}");
    ASSERT_GT(Frames().size(), expected.size());
    EXPECT_EQ(std::vector<AnsiString>(Frames().begin(), Frames().begin() + expected.size()), expected);
    EXPECT_EQ(Frames().back(), ".12}");
    char coo[8];
    std::snprintf(coo, sizeof coo, "%06d", Printer().State().counters.coo);
    EXPECT_EQ(couponNumber, coo);
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }
}

TEST_F(ProductReportTest, PlainListPrintsEachProductAndTheSums) {
  // No printer code: CDPRODUTO. A printer code of 17 is cut to 14, a name
  // of 25 to 19.
  auto products = Products({{"", "123", "PAO FRANCES", 3, 1.5, 0.1, 0.2, 0, ""},
                            {"ABCDEFGHIJKLMNOPQ", "999", "NOME COM MAIS DE DEZENOVE", 1, 10, 0,
                             0.5, 0, ""}});
  Run(products.get(), "N");
  const AnsiString first = "123" + Blanks(12) + "PAO FRANCES" + Blanks(11) + "3,00" + Blanks(6) + "1,50";
  const AnsiString second = "ABCDEFGHIJKLMN NOME COM MAIS DE DE   1,00     10,00";
  const AnsiString surcharges = Left("Total de Acr\xE9scimos", 38) + Right("0,10", 13);
  const AnsiString discounts = Left("Total de Descontos", 38) + Right("0,70", 13);
  const AnsiString value = Left("VALOR", 32) + Right("4,00", 9) + Right("11,50", 10);
  const AnsiString report = "\n\r" + kHeader + "\n\r" + kRule + "\n\r" + first + "\n\r" + second +
                            "\n\r" + surcharges + "\n\r\n\r\n\r\n\r" + discounts + "\n\r\n\r\n\r\n\r" +
                            value + "\n\r\n\r\n\r";
  ASSERT_EQ(kHeader.size(), 51u);
  ASSERT_EQ(first.size(), 51u);
  EXPECT_EQ(FramesOf(".080"), (std::vector<AnsiString>{kTitle, ".080" + report + "}"}));
}

TEST_F(ProductReportTest, GroupedFormHeadsEachRateAndTotalsIt) {
  // In the order of idxTributacao (tax type, then rate) the exempt product
  // comes first. The caller's own index gives the order; a dataset without
  // one, or with only other indexes, is put in the same order.
  const std::vector<Product> rows = {{"A", "", "ARROZ", 2, 10, 1, 0, 18, "T"},
                                     {"B", "", "LEITE", 1, 3.5, 0, 0.5, 0, "I"},
                                     {"C", "", "CAFE", 1, 8.25, 0, 0, 18, "T"}};
  auto withIndex = Products(rows);
  withIndex->IndexDefs().Add("idxTributacao", "IDTPIMPOSFIS;VRPEALIMPFIS");
  auto otherIndex = Products(rows);
  otherIndex->IndexDefs().Add("idxNome", "NMPRODUTO");
  auto noIndex = Products(rows);
  auto line = [](const AnsiString& code, const AnsiString& name, const AnsiString& quantity,
                 const AnsiString& total) {
    return Left(code, 15) + Left(name, 20) + Right(quantity, 6) + Right(total, 10) + "\n";
  };
  const AnsiString value = Left("VALOR", 32) + Right("4,00", 9) + Right("21,75", 10);
  const AnsiString report =
      "\n\r" + kHeader + "\n\r" + kRule + "\n\r" +
      "Isento :\n\r" + line("B", "LEITE", "1,00", "3,50") + "\n\r" +
      "Tributacao  18,00\n\r" + line("A", "ARROZ", "2,00", "10,00") + "\n\r" +
      line("C", "CAFE", "1,00", "8,25") + "\n\r" +
      value + "\n\n\r" + "\n\r" + Left("Tributados", 35) + "\n\n\r" +
      Left("Isento :", 27) + Right("3,50", 13) + "\n\n\r" +
      Left("18,00", 27) + Right("18,25", 13) + "\n\n\r" + "\n\r\n\r\n\r" +
      Left("Total de Acr\xE9scimos", 38) + Right("1,00", 13) + "\n\n" +
      Left("Total de Descontos", 38) + Right("0,50", 13) + "\n\n" + value + "\n";
  for (TClientDataSet* products : {withIndex.get(), otherIndex.get(), noIndex.get()}) {
    ForgetFrames();
    Run(products, "S");
    EXPECT_EQ(FramesOf(".080"), (std::vector<AnsiString>{kTitle, ".080" + report + "}"}));
    EXPECT_EQ(TaxTotals(), (std::vector<AnsiString>{"0 I 3,5", "18 T 18,25"}));
  }
}

TEST_F(ProductReportTest, UnratedTaxTypesKeepTheirOwnHeadingAndTotal) {
  auto products = Products({{"1", "", "CIGARRO", 1, 9, 0, 0, 0, "F"},
                            {"2", "", "LIVRO", 1, 40, 0, 0, 0, "I"},
                            {"3", "", "SERVICO", 1, 2, 0, 0, 0, "N"},
                            {"4", "", "ARROZ", 1, 1, 0, 0, 7, "T"},
                            {"5", "", "PILHA", 1, 4, 0, 0, 0, "F"}});
  Run(products.get(), "S");
  const AnsiString text = AllText();
  size_t at = 0;
  for (const AnsiString& expected : std::vector<AnsiString>{
       "\rSubst. Trib.\n\r1 ", "\rIsento :\n\r2 ", "\rN\xE3o Incide\n\r3 ", "Tributacao  7,00\n\r4 ",
        Left("Subst. Trib.", 27) + Right("13,00", 13), Left("Isento :", 27) + Right("40,00", 13),
        Left("N\xE3o Incide", 27) + Right("2,00", 13), Left("7,00", 27) + Right("1,00", 13)}) {
    SCOPED_TRACE(expected);
    at = text.find(expected, at);
    ASSERT_NE(at, AnsiString::npos);
  }
  EXPECT_EQ(TaxTotals(), (std::vector<AnsiString>{"0 F 13", "0 I 40", "0 N 2", "7 T 1"}));
}

// A product without a rate and one with a rate of 0, both exempt: one group,
// one heading and one line under "Tributados".
TEST_F(ProductReportTest, ANullRateAndARateOfZeroAreOneGroup) {
  auto products = Products({{"1", "", "LIVRO", 1, 40, 0, 0, 0, "I"}, {"2", "", "REVISTA", 1, 5, 0, 0, 0, "I"}});
  products->First();
  products->Edit();
  products->FieldByName("VRPEALIMPFIS").Clear();
  products->Post();
  Run(products.get(), "S");
  const AnsiString text = AllText();
  EXPECT_EQ(text.find("\rIsento :\n\r1 "), text.rfind("\rIsento :\n\r")) << text;
  EXPECT_EQ(text.find(Left("Isento :", 27)), text.rfind(Left("Isento :", 27))) << text;
  EXPECT_NE(text.find(Left("Isento :", 27) + Right("45,00", 13)), AnsiString::npos) << text;
  EXPECT_EQ(TaxTotals(), (std::vector<AnsiString>{"0 I 45"}));
}

// A figure wider than its column widens the line: a quantity of 1234,5 in a
// column of 6 prints whole, as do the totals.
TEST_F(ProductReportTest, AmountsWiderThanTheirColumnAreKeptWhole) {
  auto products = Products({{"1", "", "ARROZ", 1234.5, 12345678.9, 1234567890123.5, 0, 18, "T"}});
  for (const char* grouped : {"N", "S"}) {
    SCOPED_TRACE(grouped);
    ForgetFrames();
    Run(products.get(), grouped);
    const AnsiString text = AllText();
    EXPECT_NE(text.find(Left("1", 15) + Left("ARROZ", 20) + "1234,50" + "12345678,90"), AnsiString::npos)
        << text;
    EXPECT_NE(text.find(Left("Total de Acr\xE9scimos", 38) + "1234567890123,50"), AnsiString::npos);
    EXPECT_NE(text.find(Left("VALOR", 32) + Right("1234,50", 9) + "12345678,90"), AnsiString::npos);
  }
}

TEST_F(ProductReportTest, BufferGoesOutOnceItHoldsMoreThanTheLimit) {
  // Blank line, header and rule hold 108 characters, a plain line 53 with
  // its LF CR: the buffer passes 500 after 8 lines, so the 9th goes with them
  // (108 + 8 x 53 + 51); after that 10 lines fill it and the 11th goes out.
  // The grouped form adds the 19-character heading and one LF a line and
  // flushes past 250.
  struct Case {
    const char* grouped;
    int products;
    std::vector<size_t> flushed;
    const char* lastCodes;
  } cases[] = {
      {"N", 20, {583, 581}, "P09 P20 "},
      {"S", 10, {341, 322}, "P04 P10 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.grouped);
    ForgetFrames();
    auto products = Products(Numbered(c.products));
    Run(products.get(), c.grouped);
    std::vector<AnsiString> blocks = TextBlocks();
    ASSERT_EQ(blocks.size(), c.flushed.size() + 2);  // title, flushes, the rest
    AnsiString lastCodes;
    for (size_t i = 0; i < c.flushed.size(); ++i) {
      const AnsiString& block = blocks[i + 1];
      EXPECT_EQ(block.size(), c.flushed[i]);
      // A flushed block ends with a whole product line, without its LF CR.
      const size_t lineStart = block.rfind('\r') + 1;
      EXPECT_EQ(block.size() - lineStart, c.grouped[0] == 'S' ? 52u : 51u);
      lastCodes += block.substr(lineStart, 3) + " ";
    }
    EXPECT_EQ(lastCodes, c.lastCodes);
  }
}

TEST_F(ProductReportTest, RefusedOpenOrTitleEndsTheReport) {
  auto products = Products({{"1", "", "CAFE", 1, 5, 0, 0, 18, "T"}});
  struct Case {
    const char* refused;
    std::vector<AnsiString> frames;
  } cases[] = {
      {"13", {".13S}", ".271}", ".27H}"}},
      // The title was refused inside an open report, which is closed so
      // the next document is not refused too.
      {"08", {".13S}", ".271}", ".27H}", kTitle, ".12}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refused);
    ForgetFrames();
    Fault(emulator::FaultKind::kRefuse, c.refused);
    bool reportOpen = true;
    Run(products.get(), "N", "N", reportOpen);
    EXPECT_EQ(Frames(), c.frames);
    EXPECT_TRUE(reportOpen);
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }
}

TEST_F(ProductReportTest, DataItCannotUseIsAnErrorAndNeverLeavesTheReportOpen) {
  auto closed = Products({});
  closed->Close();
  auto withoutDiscount = HostDataSet(
      {"CDPRODIMPFIS:S20", "CDPRODUTO:S20", "NMPRODUTO:S40", "QTPRODVEND:F", "VRTOTAL:F", "VRACRE:F"},
      {{"1", "", "CAFE", 1.0, 5.0, 0.0}});
  auto textQuantity = HostDataSet({"CDPRODIMPFIS:S20", "CDPRODUTO:S20", "NMPRODUTO:S40",
                                   "QTPRODVEND:S10", "VRTOTAL:F", "VRACRE:F", "VRDESC:F"},
                                  {{"1", "", "CAFE", "abc", 5.0, 0.0, 0.0}});
  struct Case {
    const char* name;
    TClientDataSet* products;
    const char* grouped;
    bool reachesThePrinter;
  } cases[] = {
      {"no dataset", nullptr, "N", false},
      {"closed dataset", closed.get(), "N", false},
      {"missing field", withoutDiscount.get(), "N", false},
      {"grouped without a rate", textQuantity.get(), "S", false},
      {"quantity that is no number", textQuantity.get(), "N", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    bool reportOpen = true;
    EXPECT_THROW(Run(c.products, "N", c.grouped, reportOpen), Exception);
    if (c.reachesThePrinter) {
      ASSERT_FALSE(Frames().empty());
      EXPECT_EQ(Frames().back(), ".12}");
    } else {
      EXPECT_TRUE(Frames().empty());
    }
    EXPECT_TRUE(TextBuffer().empty());
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }
}

}  // namespace
}  // namespace mdx::test
