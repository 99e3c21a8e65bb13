// The blocked-products report as a host calls it: its layout from the
// caller's dataset, the switch of the wait for the end of printing, a
// refused open, and a dataset that fails while the report prints.
#include <gtest/gtest.h>

#include "mdx00200/exceptions.h"
#include "reports/host_datasets.h"
#include "reports/report_fixture.h"

namespace mdx::test {
namespace {

using BlockedFn = bool (*)(Text, TClientDataSet*);

AnsiString Blanks(size_t count) { return AnsiString(count, ' '); }
AnsiString Centred(const AnsiString& text, size_t width) {
  const size_t left = (width - text.size()) / 2;
  return Blanks(left) + text + Blanks(width - text.size() - left);
}
AnsiString T(const AnsiString& text) { return ".080" + text + "}"; }

const AnsiString kRule = T(AnsiString(40, '-'));

std::unique_ptr<TClientDataSet> Blocked(const std::vector<std::vector<Variant>>& rows) {
  return HostDataSet({"NMFILIAL:S40", "CDLOJA:S4", "CDPRODUTO:S20", "CDPROTECLADO:S20",
                      "NMPRODUTO:S40"},
                     rows);
}

class BlockedProductsTest : public ReportTest {
 protected:
  bool Print(TClientDataSet* products) { return Op<BlockedFn>("ImprimeProdBloq")("001", products); }
  bool& VerifRetorno() { return Package().Global<bool>("SwedaVerifRetorno"); }
};

TEST_F(BlockedProductsTest, ListsTheShopAndItsBlockedProducts) {
  const std::vector<AnsiString> foot = {kRule, T("Desenvolvido por Korvana Sistemas       "), ".12}"};
  struct Case {
    const char* name;
    std::vector<std::vector<Variant>> rows;
    AnsiString shop;  // the heading comes from the current row
    std::vector<AnsiString> lines;
  } cases[] = {
      {"empty", {}, Centred("", 48) + "}", {}},
      {"two products",
       {{"LOJA CENTRO", "0001", "123", "45", "ARROZ"},
        // A code of 15 is cut to 11, a keyboard code of 14 to 13, a name of
        // 20 to 17.
        {"LOJA NORTE", "0002", "123456789012345", "ABCDEFGHIJKLMN", "FEIJAO CARIOCA TIPO1"}},
       Centred("LOJA NORTE", 48) + "}",
       {T("123        45           ARROZ" + Blanks(12)), T("12345678901ABCDEFGHIJKLMFEIJAO CARIOCA TI")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    auto products = Blocked(c.rows);
    products->Last();
    const AnsiString shopCode = c.rows.empty() ? Blanks(16) : "0002" + Blanks(12);
    VerifRetorno() = false;
    EXPECT_TRUE(Print(products.get()));
    std::vector<AnsiString> expected = {
        ".13S}", kRule, ".080" + c.shop, kRule, T("Loja:" + shopCode + "15/01/2024 10:30:00"),
        kRule, T(Centred(">>> Produtos Bloqueados <<<", 48)), kRule,
        T("CODIGO     COD. TECLADO NOME")};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.insert(expected.end(), foot.begin(), foot.end());
    EXPECT_EQ(Frames(), expected);
    EXPECT_TRUE(VerifRetorno());
  }
}

// The close goes out after a refused open, and the printer refuses it too
// (nothing is open), so nothing on paper is never reported as printed.
TEST_F(BlockedProductsTest, RefusedOpenSendsOnlyTheCloseAndFails) {
  auto products = Blocked({{"LOJA", "0001", "1", "1", "ARROZ"}});
  for (bool closeRefusedToo : {false, true}) {
    SCOPED_TRACE(closeRefusedToo);
    ForgetFrames();
    VerifRetorno() = true;
    const size_t tape = Printer().State().tape.size();
    Fault(emulator::FaultKind::kRefuse, "13");
    if (closeRefusedToo) Fault(emulator::FaultKind::kRefuse, "12");
    EXPECT_FALSE(Print(products.get()));
    EXPECT_EQ(Frames(), (std::vector<AnsiString>{".13S}", ".12}"}));
    EXPECT_FALSE(VerifRetorno());
    EXPECT_EQ(Printer().State().tape.size(), tape);
  }
}

TEST_F(BlockedProductsTest, DatasetFailingMidReportStillClosesTheReport) {
  auto closed = Blocked({});
  closed->Close();
  auto withoutKeyboardCode =
      HostDataSet({"NMFILIAL:S40", "CDLOJA:S4", "CDPRODUTO:S20", "NMPRODUTO:S40"},
                  {{"LOJA", "0001", "1", "ARROZ"}});
  struct Case {
    const char* name;
    TClientDataSet* products;
  } cases[] = {{"closed", closed.get()}, {"missing field", withoutKeyboardCode.get()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetFrames();
    VerifRetorno() = false;
    EXPECT_THROW(Print(c.products), Exception);
    ASSERT_GE(Frames().size(), 2u);
    EXPECT_EQ(Frames().front(), ".13S}");
    EXPECT_EQ(Frames().back(), ".12}");
    EXPECT_TRUE(VerifRetorno());
    EXPECT_EQ(Printer().State().document, emulator::DocumentKind::kNone);
  }
  // Nothing to read at all: refused before the printer sees anything.
  ForgetFrames();
  EXPECT_THROW(Print(nullptr), Exception);
  EXPECT_TRUE(Frames().empty());
}

}  // namespace
}  // namespace mdx::test
