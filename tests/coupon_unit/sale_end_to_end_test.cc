// A whole sale against the virtual printer: the coupon opened, three items
// under two rates with an item discount, a subtotal surcharge, two payments
// with change and the footer. What the printer registered must be what the
// host sent.
#include <gtest/gtest.h>

#include <algorithm>

#include "coupon_unit/closing_fixture.h"

namespace mdx::test {
namespace {

using BuscaTotGerFn = bool (*)(const AnsiString&, AnsiString&);

class SaleEndToEndTest : public ClosingTest {
 protected:
  void SetUp() override {
    ClosingTest::SetUp();
    Script().ClearRules();  // every frame goes to the virtual printer
    emulator::PrinterState state = Printer().State();
    state.paymentMethods[1] = {'S', "Cartao"};
    Printer().SetState(state);
  }

  static Variant Item(const char* code, const char* name, const char* rate, double quantity,
                      double price, double discount) {
    return Record({{"ESQUEMACOR", "007"}, {"INTTEFERRO", 0},      {"CDARVPROD", code},
                   {"NMPROD", name},      {"CDALIQ", rate},       {"QTDE", quantity},
                   {"VALOR", price},      {"DESCONT", discount},  {"UNIDADE", ""},
                   {"IDUTILTEF", "N"},    {"UTILTEF", false},     {"ACRESCIMO", 0.0}});
  }

  bool TapeHas(const AnsiString& text) {
    const std::vector<AnsiString> tape = Printer().State().tape;
    return std::any_of(tape.begin(), tape.end(),
                       [&](const AnsiString& line) { return line.find(text) != AnsiString::npos; });
  }
};

TEST_F(SaleEndToEndTest, CouponWithItemsAdjustmentsPaymentsAndChange) {
  Variant opening = Record({{"ESQUEMACOR", "007"}, {"INTTEFERRO", 0}, {"INCLUICPF", "12345678909"},
                            {"INCLUINOME", ""},    {"INCLUIENDERECO", ""}, {"CUPNR", ""},
                            {"CONTCUPOM", ""},     {"IDUTILTEF", "N"}, {"UTILTEF", false}});
  ASSERT_TRUE(AbreCupom(opening)) << SwedaRet();
  ASSERT_EQ(Printer().State().document, emulator::DocumentKind::kFiscalCoupon);
  const AnsiString couponNumber = Value(opening, "CUPNR").AsString();

  Variant items[] = {
      Item("789", "CAFE", "T01", 2, 3.5, 0.5),
      Item("456", "ACUCAR", "T02", 1.5, 4.2, 0),
      Item("123", "LEITE", "T01", 3, 2.999, 0),
  };
  for (Variant& item : items) ASSERT_TRUE(VendaItem(item)) << SwedaRet();

  ClosingList list;
  list[1] = "OBRIGADO PELA PREFERENCIA";
  list[8] = 1.0;  // surcharge on the subtotal
  list[14] = MethodsPacket({{"001", "01", ""}, {"002", "02", ""}});
  list[13] = MovementsPacket({{"E", "002", 10}, {"E", "001", 20}});
  list[22] = "7";
  list[23] = "Rita";
  ASSERT_TRUE(Close(list)) << SwedaRet();
  EXPECT_EQ(result, VarArrayOf({0, couponNumber, "", ""}));

  const emulator::PrinterState state = Printer().State();
  EXPECT_EQ(state.document, emulator::DocumentKind::kNone);
  const emulator::Coupon& coupon = state.lastCoupon;
  EXPECT_EQ(coupon.consumer, "12345678909");
  ASSERT_EQ(coupon.items.size(), 3u);
  EXPECT_EQ(coupon.items[0].amount, 700);
  EXPECT_EQ(coupon.items[0].discount, 50);
  EXPECT_EQ(coupon.items[1].quantity, 1500);
  EXPECT_EQ(coupon.items[1].amount, 630);
  EXPECT_EQ(coupon.items[2].unitPrice, 299);  // truncated by the package
  EXPECT_EQ(coupon.items[2].amount, 897);
  EXPECT_EQ(coupon.subtotalSurcharge, 100);
  EXPECT_EQ(coupon.payments, (std::vector<emulator::Payment>{{2, 1000}, {1, 2000}}));

  // Sold 22.27 + 1.00 surcharge, less 0.50 discount: 22.77, paid 30.00.
  EXPECT_EQ(state.day.grossSales, 2327);
  EXPECT_EQ(state.day.discounts, 50);
  EXPECT_EQ(state.day.surcharges, 100);
  EXPECT_EQ(state.day.payments[1].amount, 1000);
  EXPECT_EQ(state.day.payments[0].amount, 2000 - 723);  // the change comes out of the cash
  EXPECT_TRUE(TapeHas("0000000000789 CAFE"));
  EXPECT_TRUE(TapeHas("ACRESCIMO R$"));
  EXPECT_TRUE(TapeHas("22,77"));
  EXPECT_TRUE(TapeHas("TROCO R$"));
  EXPECT_TRUE(TapeHas("7,23"));
  EXPECT_TRUE(TapeHas("CPF/CNPJ CONSUMIDOR: 12345678909"));
  EXPECT_TRUE(TapeHas("OBRIGADO PELA PREFERENCIA"));
  EXPECT_TRUE(TapeHas("Operador: 7 - Rita"));

  AnsiString grandTotal;
  ASSERT_TRUE(Package().Op<BuscaTotGerFn>("BuscaTotGer")("007", grandTotal));
  EXPECT_EQ(grandTotal, "23,27");
}

}  // namespace
}  // namespace mdx::test
