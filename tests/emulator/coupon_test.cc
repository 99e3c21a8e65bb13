// The fiscal coupon from opening to closing: what it prints, what it
// refuses, its arithmetic, and the day's totals it leaves in the registers.
#include <gtest/gtest.h>

#include <cstring>

#include "emulator/item_arithmetic.h"
#include "printer_fixture.h"
#include "sale_frames.h"

namespace mdx::emulator::test {
namespace {

using Lines = std::vector<AnsiString>;
using Frames = std::vector<AnsiString>;

const char kOpenLeft[] = ".-E010ERRO-OPERACAO NAO ENCERRADA}";

class CouponTest : public PrinterTest {
 protected:
  CouponTest() {
    Edit([](PrinterState& s) { s.paymentMethods[1] = {'S', "Cartao"}; });
  }

  void SendAll(const Frames& frames) {
    for (const AnsiString& frame : frames) ASSERT_EQ(Send(frame), ".+0000") << frame;
  }
  AnsiString Register(char selector, int position, int width) {
    return Field(Send(AnsiString("27") + selector), position, width);
  }
};

// One item of 10,00 at T01.
const AnsiString kItem = ItemFrame("1", 1000, 1000, 1000, "ITEM");

TEST_F(CouponTest, WholeCouponLandsOnTheTapeLineByLine) {
  printer = CreateVirtualPrinter(Options("", kNarrowTape));
  Edit([](PrinterState& s) { s.paymentMethods[1] = {'S', "Cartao"}; });
  SendAll({"1712345678909", ItemFrame("789", 2000, 350, 700, "?KGCAFE"), ItemDiscountFrame(50),
           ItemFrame("12", 333, 199, 66, "PAO DE QUEIJO", "I"), SubtotalDiscountFrame(100),
           PaymentFrame(2, 200), PaymentFrame(1, 500)});
  EXPECT_EQ(Field(Send("28"), 10, 8), "E VENDAS");
  SendAll({"12N" + FooterPair("OBRIGADO PELA PREFERENCIA") + FooterPair("") + "000"});

  EXPECT_EQ(printer->State().tape, (Lines{
                                       "========================================",
                                       "         MDX LOJA VIRTUAL LTDA",
                                       "CNPJ:11.222.333/0001-81        IE:ISENTO",
                                       "06/12/2026 14:05:30           COO:000001",
                                       "              CUPOM FISCAL",
                                       "----------------------------------------",
                                       "CCF:000001",
                                       "CPF/CNPJ CONSUMIDOR: 12345678909",
                                       "001 0000000000789 CAFE",
                                       "    2,000 KG x 3,50 T01             7,00",
                                       "DESCONTO ITEM 001                  -0,50",
                                       "002 0000000000012 PAO DE QUEIJO",
                                       "    0,333 x 1,99 I                  0,66",
                                       "SUBTOTAL R$                         7,16",
                                       "DESCONTO R$                        -1,00",
                                       "TOTAL R$                            6,16",
                                       "Cartao                              2,00",
                                       "Dinheiro                            5,00",
                                       "TROCO R$                            0,84",
                                       "----------------------------------------",
                                       "OBRIGADO PELA PREFERENCIA",
                                       "",
                                       "ECF:001                    FAB:SW0000001",
                                       "========================================",
                                   }));
  const PrinterState state = printer->State();
  EXPECT_EQ(state.document, DocumentKind::kNone);
  EXPECT_EQ(state.counters.coo, 1);
  EXPECT_EQ(state.counters.ccf, 1);
  EXPECT_EQ(state.lastCouponCoo, 1);
  EXPECT_EQ(Field(Send("28"), 10, 8), "C LIVRE ");
}

TEST_F(CouponTest, RefusalsLeaveTheStateAsItWas) {
  const Frames none;
  const Frames open = {"17"};
  const Frames item = {"17", kItem};
  const Frames discounted = {"17", kItem, ItemDiscountFrame(100)};
  const Frames adjusted = {"17", kItem, SubtotalDiscountFrame(100)};
  const Frames paying = {"17", kItem, PaymentFrame(1, 400)};
  const Frames paid = {"17", kItem, PaymentFrame(1, 1000)};
  const Frames report = {"13S"};
  // 1000,00 x 9.999.999,99: the largest line total of 12 digits.
  const AnsiString huge = ItemFrame("2", 1000000, 999999999, 999999999000, "HUGE");
  const Frames hugeItem = {"17", huge};
  struct Case {
    const Frames& setup;
    AnsiString frame;
    const char* reply;
  };
  const Case cases[] = {
      // No coupon to work on.
      {none, kItem, ".-E004"},
      {report, kItem, ".-E004"},
      {none, ItemDiscountFrame(100), ".-E004"},
      {none, SubtotalDiscountFrame(100), ".-E004"},
      {none, SubtotalSurchargeFrame(100), ".-E004"},
      {none, PaymentFrame(1, 100), ".-E004"},
      {open, ItemDiscountFrame(100), ".-E004"},
      {open, SubtotalDiscountFrame(100), ".-E004"},
      {open, PaymentFrame(1, 100), ".-E004"},
      {open, "12N", ".-E004"},
      // Another document open.
      {item, "17", kOpenLeft},
      {report, "17", kOpenLeft},
      // Items that cannot be read.
      {item, kItem.substr(0, 68), ".-E003"},
      {item, kItem + " ", ".-E003"},
      {item, ItemFrame("1", 1000, 1000, 1000, "ITEM").replace(15, 1, "x"), ".-E003"},
      {item, ItemFrame("1", 1000, 1000, 1000, "ITEM").replace(30, 1, " "), ".-E003"},
      {item, ItemFrame("1", 1000, 1000, 1000, ""), ".-E003"},
      {item, ItemFrame("1", 1000, 1000, 1000, "?KG"), ".-E003"},
      {item, ItemFrame("1", 1000, 1000, 1000, "LINE\nFEED"), ".-E003"},
      {item, "17" + AnsiString(31, '1'), ".-E003"},
      // Tax codes that name no rate.
      {item, ItemFrame("1", 1000, 1000, 1000, "ITEM", "X99"), ".-E007"},
      {item, ItemFrame("1", 1000, 1000, 1000, "ITEM", "T05"), ".-E007"},
      {item, ItemFrame("1", 1000, 1000, 1000, "ITEM", " T1"), ".-E007"},
      {item, ItemFrame("1", 1000, 1000, 1000, "ITEM", "IX"), ".-E007"},
      // Amounts that do not fit.
      {item, ItemFrame("1", 0, 1000, 0, "ITEM"), ".-E006"},
      {item, ItemFrame("1", 1000, 0, 0, "ITEM"), ".-E006"},
      {item, ItemFrame("1", 2000, 350, 701, "ITEM"), ".-E006"},
      {item, ItemFrame("1", 333, 199, 67, "ITEM"), ".-E006"},  // 0,66267 is not rounded up
      {item, ItemFrame("1", 1, 1, 0, "ITEM"), ".-E006"},      // a line total of 0
      {hugeItem, huge, ".-E006"},  // the subtotal would pass 12 digits
      {item, ItemDiscountFrame(0), ".-E006"},
      {item, ItemDiscountFrame(1001), ".-E006"},
      {item, SubtotalDiscountFrame(0), ".-E006"},
      {item, SubtotalDiscountFrame(1001), ".-E006"},
      {item, PaymentFrame(1, 0), ".-E006"},
      // Adjustments of the wrong shape, or one too many.
      {item, "020001" + Digits(100, 12), ".-E003"},
      {item, "02" + Digits(100, 17), ".-E003"},
      {item, "11511000" + Digits(100, 11) + "N", ".-E003"},
      {item, "03" + AnsiString(9, ' ') + Digits(100, 13) + "N", ".-E003"},
      {item, SubtotalDiscountFrame(100).substr(0, 24) + "S", ".-E003"},
      {item, "1151" + Digits(100, 15) + "S", ".-E003"},
      {item, "1199" + Digits(100, 15) + "N", ".-E002"},
      {discounted, ItemDiscountFrame(100), ".-E004"},
      {adjusted, SubtotalDiscountFrame(100), ".-E004"},
      {adjusted, SubtotalSurchargeFrame(100), ".-E004"},
      // The payment phase takes no items nor item adjustments.
      {adjusted, kItem, ".-E004"},
      {paying, kItem, ".-E004"},
      {paying, ItemSurchargeFrame(100), ".-E004"},
      {paying, SubtotalDiscountFrame(100), ".-E004"},
      // Payments.
      {item, PaymentFrame(0, 100), ".-E007"},
      {item, PaymentFrame(3, 100), ".-E007"},   // a free method
      {item, PaymentFrame(21, 100), ".-E007"},
      {item, "1001" + Digits(100, 11), ".-E003"},
      {paid, PaymentFrame(1, 100), ".-E004"},   // the total is covered
      // Closing.
      {paying, "12N", ".-E008"},
      {paying, "12", ".-E004"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    printer = CreateVirtualPrinter(Options());
    SendAll(c.setup);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send(c.frame), c.reply);
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(CouponTest, PendingZReductionRefusesTheCoupon) {
  Edit([](PrinterState& s) { s.zPending = true; });
  const PrinterState before = printer->State();
  EXPECT_EQ(Send("17"), ".-E009");
  EXPECT_EQ(printer->State(), before);
}

TEST_F(CouponTest, LineTotalIsTheTruncatedProductOfQuantityAndPrice) {
  struct Case {
    int64_t quantity;  // thousandths
    int64_t price;     // cents
    int64_t total;     // cents
  };
  const Case cases[] = {
      {2000, 350, 700},                       // 2 x 3,50
      {333, 199, 66},                         // 0,333 x 1,99 = 0,66267
      {1250, 999, 1248},                      // 1,25 x 9,99 = 12,4875
      {1, 100000, 100},                       // 0,001 x 1000,00
      {9999999, 99999, 999989900},            // 9999,999 x 999,99 = 9999989,90001
      {1000000, 999999999, 999999999000},     // the largest line total
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.quantity << " x " << c.price);
    printer = CreateVirtualPrinter(Options());
    ASSERT_EQ(Send("17"), ".+0000");
    EXPECT_EQ(Send(ItemFrame("1", c.quantity, c.price, c.total + 1, "X")), ".-E006");
    EXPECT_EQ(Send(ItemFrame("1", c.quantity, c.price, c.total, "X")), ".+0000");
    EXPECT_EQ(printer->State().coupon.items.at(0).amount, c.total);
  }
}

TEST(ItemArithmeticTest, ProductsOfTwelveDigitAmountsDivideExactly) {
  struct Case {
    int64_t x, y, d, quotient, remainder;
  };
  const Case cases[] = {
      {999999999999, 999999999999, 999999999999, 999999999999, 0},
      {123456789012, 987654321098, 999999999999, 121932631136, 707818806312},
      {7, 2, 3, 4, 2},  // x larger than d
      {0, 5, 7, 0, 0},
  };
  for (const Case& c : cases) {
    const Division result = MultiplyDivide(c.x, c.y, c.d);
    EXPECT_EQ(result.quotient, c.quotient) << c.x << " x " << c.y << " / " << c.d;
    EXPECT_EQ(result.remainder, c.remainder) << c.x << " x " << c.y << " / " << c.d;
  }
}

TEST(ItemArithmeticTest, SubtotalAdjustmentIsSharedAmongTheBuckets) {
  const auto coupon = [](std::vector<std::pair<int, int64_t>> items, int64_t discount,
                         int64_t surcharge) {
    Coupon c;
    for (const auto& [bucket, amount] : items) {
      CouponItem item;
      item.bucket = bucket;
      item.amount = amount;
      c.items.push_back(item);
    }
    c.subtotalDiscount = discount;
    c.subtotalSurcharge = surcharge;
    return c;
  };
  struct Case {
    const char* what;
    Coupon coupon;
    std::vector<std::pair<int, int64_t>> sales;  // bucket, sales; the rest 0
  };
  const Case cases[] = {
      {"even shares", coupon({{0, 1000}, {3, 500}}, 150, 0), {{0, 900}, {3, 450}}},
      {"cents left go to buckets that lost a fraction, in order",
       coupon({{0, 1}, {1, 1}, {2, 1}}, 2, 0), {{2, 1}}},
      {"surcharge", coupon({{0, 1}, {1, 1}, {2, 1}}, 0, 2), {{0, 2}, {1, 2}, {2, 1}}},
      {"a whole discount leaves nothing", coupon({{0, 700}, {kExemptBucket, 300}}, 1000, 0), {}},
      {"items of one bucket add up", coupon({{5, 100}, {5, 250}}, 0, 0), {{5, 350}}},
      {"surcharge larger than the subtotal", coupon({{0, 1}, {1, 3}}, 0, 10), {{0, 4}, {1, 10}}},
  };
  for (const Case& c : cases) {
    std::array<int64_t, kBucketCount> expected{};
    for (const auto& [bucket, amount] : c.sales) expected[static_cast<size_t>(bucket)] = amount;
    EXPECT_EQ(BucketSales(c.coupon), expected) << c.what;
  }
}

// A coupon that touches every total: rates T01 (ICMS) and S01 (ISS), an
// exempt and a substitution item, an item discount and surcharge, a
// subtotal discount shared among them, two payments with change.
const Frames kEveryTotalSale = {
    "17",
    ItemFrame("1", 1000, 1000, 1000, "GOODS", "T01"),
    ItemDiscountFrame(100),  // 9,00
    ItemFrame("2", 1000, 500, 500, "SERVICE", "S01"),
    ItemSurchargeFrame(50),  // 5,50
    ItemFrame("3", 1000, 300, 300, "EXEMPT", "I"),
    ItemFrame("4", 1000, 200, 200, "SUBSTITUTION", "F1"),
    SubtotalDiscountFrame(100),  // 19,50 - 1,00: T01 -0,47 S01 -0,28 I -0,15 F -0,10
    PaymentFrame(2, 1000),
    PaymentFrame(1, 1000),  // change 1,50 comes out of the cash
    "12N",
};

TEST_F(CouponTest, ClosedCouponLeavesItsAmountsInTheRegisters) {
  SendAll(kEveryTotalSale);
  struct Case {
    char selector;
    int position;
    const char* text;
  };
  const Case cases[] = {
      {'1', 20, "00000000000002050"},  // grand total: line totals and surcharges
      {'1', 37, "0000"},               // CFC
      {'1', 45, "000000002050"},       // gross sales
      {'1', 61, "000000000000"},       // cancelled ICMS
      {'1', 77, "000000000000"},       // cancelled ISS
      {'1', 93, "000000000200"},       // discounts: item and subtotal
      {'1', 105, "000000001850"},      // net sales: the coupon's total
      {'2', 56, "000000000522"},       // ISS: S01 5,50 - 0,28
      {'3', 22, "000000000285"},       // exempt: 3,00 - 0,15
      {'3', 34, "000000000000"},       // non-incidence
      {'3', 46, "000000000190"},       // substitution: 2,00 - 0,10
      {'3', 94, "T01000000000853"},    // 9,00 - 0,47 (takes the cent left over)
      {'4', 38, "S01000000000522"},    // tax slot 4
      {'F', 12, "000000000050"},       // surcharges
      {'6', 8, "0001000000000850"},    // cash: 10,00 less the change
      {'6', 24, "0001000000001000"},   // card
      {'H', 61, "000001"},             // CCF
      {'H', 73, "000001"},             // COO
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Register(c.selector, c.position, static_cast<int>(std::strlen(c.text))), c.text)
        << "register " << c.selector << " at " << c.position;
  }
}

// As on a fiscal printer the registers move with each command, not at the
// closing: a till whose reply was lost reads them to tell whether it ran.
TEST_F(CouponTest, RegistersMoveAsTheCommandsAreRegistered) {
  SendAll({"17"});
  struct Case {
    AnsiString frame;
    char selector;
    int position;
    const char* text;
  };
  const Case cases[] = {
      {ItemFrame("1", 1000, 1000, 1000, "GOODS"), '1', 20, "00000000000001000"},  // grand total
      {ItemDiscountFrame(100), '1', 93, "000000000100"},                         // discounts
      {ItemSurchargeFrame(50), '1', 20, "00000000000001050"},
      {SubtotalDiscountFrame(50), '1', 93, "000000000150"},
      {PaymentFrame(2, 400), '6', 24, "0001000000000400"},                       // card
      {PaymentFrame(1, 1000), '6', 8, "0001000000001000"},                       // cash
  };
  for (const Case& c : cases) {
    SendAll({c.frame});
    EXPECT_EQ(Register(c.selector, c.position, static_cast<int>(std::strlen(c.text))), c.text)
        << c.frame;
  }
  EXPECT_EQ(Register('1', 45, 12), "000000001050");  // gross sales
  EXPECT_EQ(Register('F', 12, 12), "000000000050");  // surcharges
  // The change (4,00 + 10,00 - 9,00) comes off the cash at the closing.
  SendAll({"12N"});
  EXPECT_EQ(Register('6', 8, 16), "0001000000000500");
  EXPECT_EQ(Register('6', 24, 16), "0001000000000400");
  EXPECT_EQ(Register('1', 20, 17), "00000000000001050");
}

TEST_F(CouponTest, SubtotalSurchargeIsSharedAndCountedAsSurcharge) {
  SendAll({"17", ItemFrame("1", 1000, 1000, 1000, "GOODS", "T01"),
           ItemFrame("2", 1000, 500, 500, "SERVICE", "S01")});
  const size_t before = printer->State().tape.size();
  SendAll({SubtotalSurchargeFrame(100)});
  EXPECT_EQ(TapeFrom(before),
            (Lines{"SUBTOTAL R$" + AnsiString(32, ' ') + "15,00",
                   "ACRESCIMO R$" + AnsiString(31, ' ') + "+1,00",
                   "TOTAL R$" + AnsiString(35, ' ') + "16,00"}));
  EXPECT_EQ(Field(Send("28"), 10, 8), "E VENDAS");
  SendAll({PaymentFrame(1, 1600), "12N"});
  EXPECT_EQ(Register('3', 94, 15), "T01000000001067");  // 10,00 + 0,67
  EXPECT_EQ(Register('4', 38, 15), "S01000000000533");  // 5,00 + 0,33
  EXPECT_EQ(Register('F', 12, 12), "000000000100");
  EXPECT_EQ(Register('1', 45, 12), "000000001600");
  EXPECT_EQ(Register('1', 105, 12), "000000001600");
}

TEST_F(CouponTest, CancellingTheClosedCouponMovesItToTheCancelledSales) {
  SendAll(kEveryTotalSale);
  SendAll({"05"});
  struct Case {
    char selector;
    int position;
    const char* text;
  };
  const Case cases[] = {
      {'1', 20, "00000000000002050"},  // the grand total keeps what was sold
      {'1', 37, "0001"},               // CFC
      {'1', 45, "000000002050"},       // gross sales
      {'1', 61, "000000001328"},       // cancelled ICMS: 8,53 + 2,85 + 1,90
      {'1', 77, "000000000522"},       // cancelled ISS
      {'1', 93, "000000000200"},       // discounts
      {'1', 105, "000000000000"},      // net sales
      {'2', 56, "000000000000"},
      {'3', 22, "000000000000"},
      {'3', 46, "000000000000"},
      {'3', 94, "T01000000000000"},
      {'4', 38, "S01000000000000"},
      {'F', 12, "000000000050"},       // surcharges
      {'6', 8, "0000000000000000"},    // payments leave their methods
      {'6', 24, "0000000000000000"},
      {'H', 73, "000002"},             // the cancellation has its own COO
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Register(c.selector, c.position, static_cast<int>(std::strlen(c.text))), c.text)
        << "register " << c.selector << " at " << c.position;
  }
}

TEST_F(CouponTest, CancellingTheOpenCouponCountsWhatItSoldAsCancelled) {
  SendAll({"17", ItemFrame("1", 1000, 1000, 1000, "GOODS", "T01"), ItemDiscountFrame(100),
           ItemFrame("2", 1000, 500, 500, "SERVICE", "S01"), PaymentFrame(1, 400)});
  const size_t before = printer->State().tape.size();
  SendAll({"05"});
  EXPECT_EQ(TapeFrom(before), (Lines{"             CUPOM FISCAL CANCELADO",
                                     "TOTAL CANCELADO R$" + AnsiString(25, ' ') + "14,00",
                                     AnsiString(48, '=')}));
  EXPECT_EQ(Register('1', 20, 17), "00000000000001500");
  EXPECT_EQ(Register('1', 37, 4), "0001");
  EXPECT_EQ(Register('1', 45, 12), "000000001500");
  EXPECT_EQ(Register('1', 61, 12), "000000000900");
  EXPECT_EQ(Register('1', 77, 12), "000000000500");
  EXPECT_EQ(Register('1', 93, 12), "000000000100");
  EXPECT_EQ(Register('1', 105, 12), "000000000000");
  EXPECT_EQ(Register('3', 94, 15), "T01000000000000");
  EXPECT_EQ(Register('6', 8, 16), "0000000000000000");  // the payment was never taken
  EXPECT_EQ(Send("05"), ".-E004");  // nor is the last coupon cancellable twice
}

TEST_F(CouponTest, ACouponHoldsAtMost999Items) {
  ASSERT_EQ(Send("17"), ".+0000");
  const AnsiString cent = ItemFrame("1", 1000, 1, 1, "CENT");
  for (int i = 0; i < kLargestItemCount; ++i) ASSERT_EQ(Send(cent), ".+0000") << i;
  EXPECT_EQ(Send(cent), ".-E005");
  EXPECT_EQ(printer->State().tape.back(), "    1,000 x 0,01 T01" + AnsiString(24, ' ') + "0,01");
  EXPECT_EQ(printer->State().tape[printer->State().tape.size() - 2], "999 0000000000001 CENT");
}

}  // namespace
}  // namespace mdx::emulator::test
