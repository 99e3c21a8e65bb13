// Imp_CompVenCred and Comp_DebitoCons: the consumer receipts linked to the
// coupon just closed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "credit/credit_fixture.h"

namespace mdx::test {
namespace {

using CreditReceiptFn = decltype(&Mdx00200::Imp_CompVenCred);
using CardReceiptFn = decltype(&Mdx00200::Comp_DebitoCons);

const AnsiString kRule48(48, '-');
const AnsiString kRule40(40, '-');
const AnsiString kHeading = "CODIGO     NOME          QTDE   VR.UNIT. VR.TOT.";
// The two products below: the first has no printer code, so its host code
// prints; the line total is truncated (0,333 x 1,99 = 0,66267).
const AnsiString kProduct1 = "789 CAFE EXPRESS  2,00" + AnsiString(8, ' ') + "      3,50    7,00";
const AnsiString kProduct2 = "P1 PAO  0,333" + AnsiString(17, ' ') + "      1,99    0,66";

class SaleReceiptsTest : public CreditTest {
 protected:
  void SetUp() override {
    CreditTest::SetUp();
    Global("IdFormPagCPess") = "01";
    Global("IdFormPagVCons") = "01";
    auto products = HostDataSet(
        {"CDPRODIMPFIS:S20", "CDARVPROD:S20", "NMPRODUTO:S50", "QTPRODCOMVEN:F", "VRPRECCOMVEN:F"},
        {{"", "789", "CAFE EXPRESSO GRANDE", 2.0, 3.5}, {"P1", "111", "PAO", 0.333, 1.99}});
    Assign(Module().cdsProdCred, products);
    Assign(Module().cdsProdDeb, products);
    SellOneItemInCash();
  }

  bool CreditReceipt(double amount, double subsidy, double complement, Text mode,
                     Text password = "") {
    return Op<CreditReceiptFn>("Imp_CompVenCred")("001", Variant(), Variant(), amount, "4455",
                                                  "MARIA", "C123", "LINHA 2", password, "unread",
                                                  100.0, subsidy, complement, mode);
  }
  bool CardReceipt(double amount, double subsidy, Text mode, Text extra = "") {
    return Op<CardReceiptFn>("Comp_DebitoCons")("001", Variant(), amount, "unread", "4455",
                                                "MARIA", "C123", "LINHA 2", "77", 100.0, subsidy,
                                                2.0, mode, extra, "x", "x", "x", Variant());
  }
};

TEST_F(SaleReceiptsTest, CreditReceiptPrintsConsumerProductsAndTotal) {
  EXPECT_TRUE(CreditReceipt(12.5, 0, 0, "2"));
  const AnsiString consumer = "\n" + AnsiString(12, ' ') + "Venda - Cr\xE9" "dito Pessoal" +
                              AnsiString(13, ' ') + "\n" + kRule48 + "\nCliente: C123\n" +
                              AnsiString(9, ' ') + "LINHA 2\n" + kRule48 +
                              "\nMatricula: 4455\nConsumidor..: MARIA\n" + kRule48 + "\n" +
                              AnsiString(15, ' ') + "Produtos da Venda" + AnsiString(16, ' ') +
                              "\n" + AnsiString(48, ' ') + "\n" + kHeading + "\n";
  const AnsiString total = AnsiString(48, ' ') + "\nTotal Geral" + AnsiString(32, ' ') +
                           "12,50\n" + kRule48 + "\n\n";
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".271}", ".1900000001}", ".080" + consumer + "}",
                                               ".080" + kProduct1 + "\n}",
                                               ".080" + kProduct2 + "\n}", ".080" + total + "}",
                                               ".12}"}));
  EXPECT_EQ(kProduct1.size(), 48u);
  EXPECT_EQ(kProduct2.size(), 48u);
  EXPECT_EQ(Document(), emulator::DocumentKind::kNone);
}

TEST_F(SaleReceiptsTest, CreditReceiptBalanceLinesFollowTheMode) {
  auto credit = HostDataSet({"CDFAMILISALD:S5", "NMFAMILISALD:S30", "VRSALDCONFAM:F"},
                            {{"F1", "FAM1", 100.0}, {"F2", "FAM2", 100.0}, {"F3", "FAM3", 100.0},
                             {"F4", "FAM4", 100.0}, {"F5", "FAM5", 100.0}, {"F6", "FAM6", 0.0}});
  auto spending = HostDataSet({"CDFAMILISALD:S5", "NMFAMILISALD:S30", "VRSALDCONFAM:F"},
                              {{"F1", "FAM1", 10.0}, {"F2", "FAM2", 10.0}, {"F3", "FAM3", 10.0}});
  auto loans = HostDataSet({"CDFAMILISALD:S5", "IDTPMOVEXT:S1", "VRMOVEXTCONS:F"},
                           {{"F1", "D", 5.0}, {"F2", "C", 7.0}, {"F4", "D", 5.0}, {"F5", "C", 7.0}});
  auto family = [](const char* name, const char* amount) {
    const AnsiString a = amount;
    return AnsiString(name) + AnsiString(21, ' ') + AnsiString(22 - a.size(), ' ') + a + "\n";
  };
  const AnsiString subsidyLine = "Pre\xE7o subsidiado: R$ 5,00\n";
  const AnsiString complementLine = "Valor complemento: R$ 2,00\n";
  struct Case {
    const char* name;
    const char* mode;
    bool creditData, loanData;
    double subsidy, complement;
    AnsiString tail;
  } cases[] = {
      // 100 + 5 - 12,50 and the families' 500.
      {"final balance", "0", true, true, 5, 0, "Saldo Final : R$ 592,50\n" + subsidyLine},
      {"final balance without families", "0", false, false, 0, 2,
       "Saldo Final : R$ 89,50\n" + complementLine},
      {"families", "1", true, true, 0, 0,
       family("FAM1", "85,00") + family("FAM2", "97,00") + family("FAM3", "90,00") +
           family("FAM4", "95,00") + family("FAM5", "100,00")},
      {"families without loan data", "1", true, false, 0, 0,
       family("FAM1", "90,00") + family("FAM2", "90,00") + family("FAM3", "90,00") +
           family("FAM4", "100,00") + family("FAM5", "100,00")},
      {"no balance", "2", true, true, 5, 2, subsidyLine + complementLine},
  };
  const AnsiString head =
      AnsiString(48, ' ') + "\nTotal Geral" + AnsiString(32, ' ') + "12,50\n" + kRule48 + "\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Module().cdsSaldCred->Close();
    Module().cdsFamiliaSaldo->Close();
    Module().cdsEmprestimo->Close();
    if (c.creditData) {
      Assign(Module().cdsSaldCred, credit);
      Assign(Module().cdsFamiliaSaldo, spending);
    }
    if (c.loanData) Assign(Module().cdsEmprestimo, loans);
    SellOneItemInCash();
    EXPECT_TRUE(CreditReceipt(12.5, c.subsidy, c.complement, c.mode, "9"));
    ASSERT_FALSE(TextBlocks().empty());
    EXPECT_EQ(TextBlocks().back(), head + "SENHA PEDIDO:  9\r\n\n" + c.tail);
  }
}

TEST_F(SaleReceiptsTest, CardReceiptLayouts) {
  const AnsiString top = AnsiString(7, ' ') + "Venda - Debito Consumidor" + AnsiString(8, ' ') +
                         "\n\r" + kRule40 + "\n\rCliente: C123-LINHA 2\n\rMatricula: 4455\n\r" +
                         "Consumidor..: MARIA\n\r" + kRule40 + "\n\r" + AnsiString(11, ' ') +
                         "Produtos da Venda" + AnsiString(12, ' ') + "\n\r" + kHeading + "\n\r" +
                         kProduct1 + "\n\r" + kProduct2 + "\n\r" + kRule40 + "\n\rTotal Geral";
  const AnsiString password = "SENHA PEDIDO:  77\r\n\n\r";
  struct Case {
    const char* mode;
    double subsidy;
    AnsiString rest;
  } cases[] = {
      {"2", 5, AnsiString(26, ' ') + "12,50\n\r" + password},
      // 100 + 5 + 2 - 12,50
      {"1", 5, AnsiString(34, ' ') + "12,50\n\r" + password + "Saldo Final : R$ 94,50\n\r" +
                   "Pre\xE7o subsidiado: R$ 5,00\n\r"},
      {"0", 0, AnsiString(34, ' ') + "12,50\n\r" + password + "Saldo Final : R$ 89,50\n\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    SellOneItemInCash();
    EXPECT_TRUE(CardReceipt(12.5, c.subsidy, c.mode));
    EXPECT_EQ(Frames(), (std::vector<AnsiString>{".271}", ".1900000001}",
                                                 ".080" + top + c.rest + "}", ".12}"}));
  }

  // An extra text goes in a command of its own.
  SellOneItemInCash();
  EXPECT_TRUE(CardReceipt(12.5, 0, "2", "OBS"));
  ASSERT_EQ(Frames().size(), 5u);
  EXPECT_EQ(Frames()[3], ".08\nOBS\n" + AnsiString(40, ' ') + "}");
}

TEST_F(SaleReceiptsTest, SaleWithoutAmountPrintsNothing) {
  for (double amount : {0.004, 0.0, -3.0}) {
    SCOPED_TRACE(amount);
    EXPECT_TRUE(CreditReceipt(amount, 0, 0, "0"));
    EXPECT_TRUE(CardReceipt(amount, 0, "1"));
    EXPECT_TRUE(Frames().empty());
  }
}

TEST_F(SaleReceiptsTest, RefusedReceiptIsNotClosed) {
  const std::function<bool()> receipts[] = {[&] { return CreditReceipt(12.5, 0, 0, "0"); },
                                            [&] { return CardReceipt(12.5, 0, "1"); }};
  for (const auto& receipt : receipts) {
    ForgetFrames();
    Fault(emulator::FaultKind::kRefuse, "19");
    EXPECT_FALSE(receipt());
    EXPECT_EQ(Frames(), (std::vector<AnsiString>{".271}", ".1900000001}"}));
  }
  // Nor opened when the information request is refused.
  ForgetFrames();
  Fault(emulator::FaultKind::kRefuse, "27");
  EXPECT_FALSE(CardReceipt(12.5, 0, "1"));
  EXPECT_EQ(Frames(), (std::vector<AnsiString>{".271}"}));
}

TEST_F(SaleReceiptsTest, CardReceiptAfterASalePaidWithTheCard) {
  ASSERT_TRUE(Send("39", {"SCARTAO CONSUM  "}, true, false));
  Global("IdFormPagVCons") = "02";
  ASSERT_TRUE(Send("17", {""}, true, false));
  ASSERT_TRUE(Send("01", {"0000000000001", "0001000", "000001250", "000000001250",
                          "PRODUTO                 ", "T01"},
                   true, false));
  ASSERT_TRUE(Send("10", {"02", "000000001250"}, true, false));
  ASSERT_TRUE(Send("12", {"N", "0", AnsiString(40, '-')}, true, false));
  const size_t tapeBefore = Printer().State().tape.size();

  EXPECT_TRUE(CardReceipt(12.5, 0, "1"));
  EXPECT_EQ(Document(), emulator::DocumentKind::kNone);
  const std::vector<AnsiString> tape = Printer().State().tape;
  const std::vector<AnsiString> printed(tape.begin() + static_cast<long>(tapeBefore), tape.end());
  auto printedLine = [&](const AnsiString& line) {
    return std::find(printed.begin(), printed.end(), line) != printed.end();
  };
  ASSERT_FALSE(printed.empty());
  EXPECT_TRUE(std::any_of(printed.begin(), printed.end(), [](const AnsiString& line) {
    return line.find("COMPROVANTE CREDITO OU DEBITO") != AnsiString::npos;
  }));
  EXPECT_TRUE(printedLine(AnsiString(7, ' ') + "Venda - Debito Consumidor"));
  EXPECT_TRUE(printedLine(kProduct1));
  EXPECT_TRUE(printedLine("Saldo Final : R$ 89,50"));
}

}  // namespace
}  // namespace mdx::test
