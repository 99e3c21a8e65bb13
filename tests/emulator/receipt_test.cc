// Non-fiscal receipts: the change voucher after a coupon, supply and
// withdrawal, the receipt linked to the last coupon, and what they refuse.
#include <gtest/gtest.h>

#include "printer_fixture.h"
#include "sale_frames.h"

namespace mdx::emulator::test {
namespace {

using Lines = std::vector<AnsiString>;
using Frames = std::vector<AnsiString>;

const char kOpenLeft[] = ".-E010ERRO-OPERACAO NAO ENCERRADA}";
const AnsiString kSixBlanks(6, ' ');

// The totalizers a till programs: 1 &ENTRADA-SAIDA, 2 +Suprimento,
// 3 -Sangria, 4 &OUTROS, 5 +Cartao Consum., 6 +Cred Pessoal,
// 7 +Canc Credito, 8 -CONTRA-VALE EM.
const char kTillTotalizers[] =
    "38N&ENTRADA-SAIDA +Suprimento    -Sangria       &OUTROS        +Cartao Consum."
    "+Cred Pessoal  +Canc Credito  -CONTRA-VALE EM";

// A coupon of 10,00 paid by card (method 2), closed.
const Frames kCardSale = {"17", ItemFrame("1", 1000, 1000, 1000, "ITEM"), PaymentFrame(2, 1000),
                          "12N"};

class ReceiptTest : public PrinterTest {
 protected:
  ReceiptTest() { Prepare(); }

  void Prepare() {
    ASSERT_EQ(Send(kTillTotalizers), ".+0000");
    Edit([](PrinterState& s) { s.paymentMethods[1] = {'S', "Cartao"}; });
  }
  void SendAll(const Frames& frames) {
    for (const AnsiString& frame : frames) ASSERT_EQ(Send(frame), ".+0000") << frame;
  }
  AnsiString Register(char selector, int position, int width) {
    return Field(Send(AnsiString("27") + selector), position, width);
  }
};

TEST_F(ReceiptTest, ChangeVoucherFollowsTheCoupon) {
  SendAll(kCardSale);
  const size_t before = printer->State().tape.size();
  SendAll({"19" + kSixBlanks});
  EXPECT_EQ(Field(Send("28"), 10, 8), "E NFISC ");
  SendAll({ReceiptAmountFrame(8, 1300), "12N"});

  EXPECT_EQ(TapeFrom(before), (Lines{
                                  AnsiString(48, '='),
                                  "06/12/2026 14:05:30                   COO:000002",
                                  "             COMPROVANTE NAO FISCAL",
                                  AnsiString(48, '-'),
                                  "GNF:000001",
                                  "08 CONTRA-VALE EM                          13,00",
                                  "TOTAL R$                                   13,00",
                                  AnsiString(48, '='),
                              }));
  EXPECT_EQ(Register('8', 88, 16), "0001000000001300");  // totalizer slot 8
  EXPECT_EQ(Register('1', 117, 4), "0001");              // GNF
  EXPECT_EQ(Register('H', 61, 18), "000001000000000002");  // CCF, COO
  EXPECT_EQ(Register('6', 24, 16), "0001000000001000");  // the card, from the coupon only
  EXPECT_EQ(Register('1', 105, 12), "000000001000");     // net sales: the coupon only
}

TEST_F(ReceiptTest, SupplyIsPaidAndWithdrawalIsNot) {
  const size_t before = printer->State().tape.size();
  SendAll({"1901" + kSixBlanks, ReceiptAmountFrame(2, 10000), PaymentFrame(1, 15000), "12"});
  const Lines supply = TapeFrom(before);
  ASSERT_EQ(supply.size(), 10u);
  EXPECT_EQ(Lines(supply.begin() + 4, supply.end()),
            (Lines{
                "GNF:000001",
                "02 Suprimento                             100,00",
                "TOTAL R$                                  100,00",
                "Dinheiro                                  150,00",
                "TROCO R$                                   50,00",
                AnsiString(48, '='),
            }));

  SendAll({"1901" + kSixBlanks, ReceiptAmountFrame(3, 25050, "SANGRIA DO CAIXA 1"), "12"});
  const Lines tape = printer->State().tape;
  EXPECT_EQ(Lines(tape.end() - 4, tape.end()),
            (Lines{"03 Sangria                                250,50", "SANGRIA DO CAIXA 1",
                   "TOTAL R$                                  250,50", AnsiString(48, '=')}));

  EXPECT_EQ(Register('7', 104, 16), "0001000000010000");  // slot 2: supply
  EXPECT_EQ(Register('8', 8, 16), "0001000000025050");    // slot 3: withdrawal
  EXPECT_EQ(Register('6', 8, 16), "0001000000010000");    // cash took the supply, net of change
  EXPECT_EQ(Register('1', 117, 4), "0002");
  EXPECT_EQ(Register('1', 45, 12), "000000000000");  // no sale
}

TEST_F(ReceiptTest, LinkedReceiptNamesTheLastCouponsPayment) {
  SendAll(kCardSale);
  const size_t before = printer->State().tape.size();
  SendAll({"19000000" "02", "080VIA DO CLIENTE\nAUTORIZACAO 123456", "12"});
  EXPECT_EQ(TapeFrom(before), (Lines{
                                  AnsiString(48, '='),
                                  "06/12/2026 14:05:30                   COO:000002",
                                  "         COMPROVANTE CREDITO OU DEBITO",
                                  AnsiString(48, '-'),
                                  "GNF:000001",
                                  "COO DO CUPOM:000001",
                                  "Cartao                                     10,00",
                                  "VIA DO CLIENTE",
                                  "AUTORIZACAO 123456",
                                  AnsiString(48, '='),
                              }));
  // A second one for the same coupon, as a till with two card slips prints.
  SendAll({"19000000" "02", "12"});
  EXPECT_EQ(Register('1', 117, 4), "0002");
  EXPECT_EQ(Register('6', 24, 16), "0001000000001000");  // the card is counted once
}

TEST_F(ReceiptTest, RefusalsLeaveTheStateAsItWas) {
  const Frames none;
  const Frames coupon = {"17"};
  const Frames receipt = {"19" + kSixBlanks};
  const Frames plus = {"19" + kSixBlanks, ReceiptAmountFrame(2, 10000)};
  const Frames plusPaying = {"19" + kSixBlanks, ReceiptAmountFrame(2, 10000),
                             PaymentFrame(1, 4000)};
  const Frames plusPaid = {"19" + kSixBlanks, ReceiptAmountFrame(2, 10000),
                           PaymentFrame(1, 10000)};
  const Frames minus = {"19" + kSixBlanks, ReceiptAmountFrame(3, 5000)};
  const Frames linked = {kCardSale[0], kCardSale[1], kCardSale[2], kCardSale[3], "1900000002"};
  struct Case {
    const Frames& setup;
    AnsiString frame;
    const char* reply;
  };
  const Case cases[] = {
      // Openings that cannot be read or do not fit.
      {none, "19", ".-E003"},
      {none, "19" + AnsiString(5, ' '), ".-E003"},
      {none, "1901" + AnsiString(5, ' '), ".-E003"},
      {none, "190000001", ".-E003"},
      {none, "19000000" "0A", ".-E003"},
      {none, "190000000002", ".-E003"},
      {none, "1902" + kSixBlanks, ".-E007"},  // +Suprimento is no group header
      {none, "1909" + kSixBlanks, ".-E007"},  // a free position
      {none, "1951" + kSixBlanks, ".-E007"},
      {coupon, "19" + kSixBlanks, kOpenLeft},
      {receipt, "19" + kSixBlanks, kOpenLeft},
      {none, "19000000" "02", ".-E004"},      // no coupon to link to
      {kCardSale, "19000000" "01", ".-E004"},  // the coupon did not pay in cash
      {kCardSale, "19000000" "03", ".-E007"},  // a free method
      {kCardSale, "19000000" "00", ".-E007"},
      // Amounts on totalizers.
      {none, ReceiptAmountFrame(2, 100), ".-E004"},
      {coupon, ReceiptAmountFrame(2, 100), ".-E004"},
      {linked, ReceiptAmountFrame(2, 100), ".-E004"},
      {receipt, ReceiptAmountFrame(1, 100), ".-E007"},  // a group header
      {receipt, ReceiptAmountFrame(9, 100), ".-E007"},  // a free position
      {receipt, ReceiptAmountFrame(0, 100), ".-E007"},
      {receipt, ReceiptAmountFrame(2, 0), ".-E006"},
      {receipt, ReceiptAmountFrame(2, 100).substr(0, 55), ".-E003"},
      {receipt, ReceiptAmountFrame(2, 100, "LINE\nFEED"), ".-E003"},
      {receipt, "070A" + Digits(100, 12) + AnsiString(40, ' '), ".-E003"},
      {plus, ReceiptAmountFrame(3, 100), ".-E004"},  // money in and out on one receipt
      {plusPaying, ReceiptAmountFrame(2, 100), ".-E004"},
      // Payments.
      {receipt, PaymentFrame(1, 100), ".-E004"},  // nothing to pay yet
      {minus, PaymentFrame(1, 100), ".-E004"},    // money going out takes no payment
      {linked, PaymentFrame(2, 100), ".-E004"},
      {plusPaid, PaymentFrame(1, 100), ".-E004"},
      {plus, PaymentFrame(3, 100), ".-E007"},
      {plus, PaymentFrame(1, 0), ".-E006"},
      // Closing before the receipt is paid.
      {plus, "12", ".-E008"},
      {plusPaying, "12N", ".-E008"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    printer = CreateVirtualPrinter(Options());
    Prepare();
    SendAll(c.setup);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send(c.frame), c.reply);
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(ReceiptTest, PendingZReductionRefusesTheReceipt) {
  Edit([](PrinterState& s) { s.zPending = true; });
  const PrinterState before = printer->State();
  EXPECT_EQ(Send("1901" + kSixBlanks), ".-E009");
  EXPECT_EQ(printer->State(), before);
}

TEST_F(ReceiptTest, ReversalRefusalsLeaveTheStateAsItWas) {
  const Frames none;
  const Frames supply = {"1901" + kSixBlanks, ReceiptAmountFrame(2, 10000),
                         PaymentFrame(1, 10000), "12"};
  const Frames reversed = {supply[0], supply[1], supply[2], supply[3], "53"};
  const Frames reportAfter = {supply[0], supply[1], supply[2], supply[3], "13S", "12"};
  const Frames couponAfter = {supply[0], supply[1], supply[2], supply[3], kCardSale[0],
                              kCardSale[1], kCardSale[2], kCardSale[3]};
  const Frames empty = {"19" + kSixBlanks, "12"};
  const Frames linked = {kCardSale[0], kCardSale[1], kCardSale[2], kCardSale[3], "1900000002",
                         "12"};
  const Frames receiptOpen = {"19" + kSixBlanks, ReceiptAmountFrame(2, 10000)};
  const Frames couponOpen = {supply[0], supply[1], supply[2], supply[3], "17"};
  struct Case {
    const Frames& setup;
    AnsiString frame;
    const char* reply;
  };
  const Case cases[] = {
      {none, "53", ".-E004"},
      {kCardSale, "53", ".-E004"},  // the last document is a coupon
      {empty, "53", ".-E004"},      // no amount to reverse
      {linked, "53", ".-E004"},
      {reversed, "53", ".-E004"},   // reversed already
      {reportAfter, "53", ".-E004"},
      {couponAfter, "53", ".-E004"},
      {supply, "53 ", ".-E003"},
      {supply, "531", ".-E003"},
      {receiptOpen, "53", kOpenLeft},
      {couponOpen, "53", kOpenLeft},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.frame << " after " << c.setup.size() << " frames");
    printer = CreateVirtualPrinter(Options());
    Prepare();
    SendAll(c.setup);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send(c.frame), c.reply);
    EXPECT_EQ(printer->State(), before);
  }
}

TEST_F(ReceiptTest, ReversalTakesTheLastReceiptOutOfTheDaysTotals) {
  SendAll({"1901" + kSixBlanks, ReceiptAmountFrame(2, 5000), PaymentFrame(1, 5000), "12"});
  const AnsiString supplySlot = Register('7', 104, 16);
  const AnsiString cashSlot = Register('6', 8, 16);
  ASSERT_EQ(supplySlot, "0001000000005000");
  // A second supply paid with change, then its reversal.
  SendAll({"1901" + kSixBlanks, ReceiptAmountFrame(2, 10000), PaymentFrame(1, 15000), "12"});
  ASSERT_EQ(Register('7', 104, 16), "0002000000015000");
  const size_t before = printer->State().tape.size();
  SendAll({"53"});
  EXPECT_EQ(TapeFrom(before), (Lines{
                                  AnsiString(48, '='),
                                  "06/12/2026 14:05:30                   COO:000003",
                                  "               ESTORNO NAO FISCAL",
                                  AnsiString(48, '-'),
                                  "GNF:000003",
                                  "COO DO COMPROVANTE:000002",
                                  "TOTAL ESTORNADO R$                        100,00",
                                  AnsiString(48, '='),
                              }));
  EXPECT_EQ(Register('7', 104, 16), supplySlot);  // the totalizer as it was
  EXPECT_EQ(Register('6', 8, 16), cashSlot);      // and cash, which took 100,00 net
  EXPECT_EQ(Register('1', 117, 4), "0003");       // GNF
  EXPECT_EQ(Register('1', 45, 12), "000000000000");  // no sale
  const PrinterState after = printer->State();
  EXPECT_EQ(Send("53"), ".-E004");
  EXPECT_EQ(printer->State(), after);

  // A withdrawal takes no payment; its reversal gives its totalizer back.
  SendAll({"1901" + kSixBlanks, ReceiptAmountFrame(3, 2500), "12", "53"});
  EXPECT_EQ(Register('8', 8, 16), "0000000000000000");
  EXPECT_EQ(Register('6', 8, 16), cashSlot);
}

}  // namespace
}  // namespace mdx::emulator::test
