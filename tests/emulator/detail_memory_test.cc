// The detail-tape memory through a day: each document's record (kind, COO,
// counter, time, what it registered) and its lines, which are its slice of
// the paper tape.
#include <gtest/gtest.h>

#include "printer_fixture.h"
#include "sale_frames.h"

namespace mdx::emulator::test {
namespace {

using Lines = std::vector<AnsiString>;
using Frames = std::vector<AnsiString>;

const AnsiString kSixBlanks(6, ' ');

// One document of the day: the frames that print it (all accepted), sent
// from `minute` past 14:00 with the clock moving a second after each frame.
struct Step {
  const char* what;
  int minute;
  Frames frames;
  DetailKind kind;
  int coo;
  int counter;
  bool cancelled;
  int cancelledCoo;
  const char* title;  // the centred title under the date and COO
};

class DetailMemoryTest : public PrinterTest {
 protected:
  DetailMemoryTest() {
    // 1 +Suprimento, 2 -Sangria; a card at payment position 2.
    EXPECT_EQ(Send("38N+Suprimento    -Sangria       "), ".+0000");
    Edit([](PrinterState& s) { s.paymentMethods[1] = {'S', "Cartao"}; });
  }

  static TDateTime At(int minute, int second = 0) {
    return EncodeDate(2026, 12, 6) + EncodeTime(14, minute, second, 0);
  }

  // Runs the step; returns the tape it printed.
  Lines Run(const Step& step) {
    systemNow = At(step.minute);
    const size_t before = printer->State().tape.size();
    for (const AnsiString& frame : step.frames) {
      EXPECT_EQ(Send(frame), ".+0000") << frame;
      systemNow += EncodeTime(0, 0, 1, 0);
    }
    return TapeFrom(before);
  }
};

TEST_F(DetailMemoryTest, EveryDocumentOfTheDayIsRecordedWithItsSliceOfTheTape) {
  const AnsiString consumer = "12345678909";
  const Step steps[] = {
      {"coupon", 1,
       {"17" + consumer, ItemFrame("789", 2000, 350, 700, "?KGCAFE"), ItemDiscountFrame(50),
        ItemFrame("12", 1000, 1000, 1000, "ACUCAR", "T02"), SubtotalDiscountFrame(150),
        PaymentFrame(2, 1000), PaymentFrame(1, 1000), "12N" + FooterPair("OBRIGADO")},
       DetailKind::kFiscalCoupon, 1, 1, false, 0, "CUPOM FISCAL"},
      {"receipt linked to the coupon", 2, {"1900000002", "12"}, DetailKind::kLinkedReceipt, 2, 1,
       false, 0, "COMPROVANTE CREDITO OU DEBITO"},
      {"coupon cancelled while open", 3,
       {"17", ItemFrame("5", 1000, 250, 250, "PAO"), "05"}, DetailKind::kFiscalCoupon, 3, 2, true,
       0, "CUPOM FISCAL"},
      {"coupon closed, cancelled below", 4,
       {"17", ItemFrame("1", 1000, 1000, 1000, "ITEM"), PaymentFrame(1, 1000), "12N"},
       DetailKind::kFiscalCoupon, 4, 3, true, 0, "CUPOM FISCAL"},
      {"cancellation of the last coupon", 5, {"05"}, DetailKind::kCouponCancellation, 5, 0,
       false, 4, "CANCELAMENTO DE CUPOM FISCAL"},
      {"supply receipt", 6,
       {"19" + kSixBlanks, ReceiptAmountFrame(1, 2500), PaymentFrame(1, 3000), "12"},
       DetailKind::kNonFiscalReceipt, 6, 2, false, 0, "COMPROVANTE NAO FISCAL"},
      {"its reversal", 7, {"53"}, DetailKind::kReceiptReversal, 7, 3, false, 0,
       "ESTORNO NAO FISCAL"},
      {"management report", 8, {"13S", "080LINE ONE\nLINE TWO", "12"},
       DetailKind::kManagementReport, 8, 4, false, 0, "RELATORIO GERENCIAL"},
      {"X reading", 9, {"13N"}, DetailKind::kXReading, 9, 0, false, 0, "LEITURA X"},
      {"Z reduction", 10, {"14N061226"}, DetailKind::kZReduction, 10, 1, false, 0, "REDUCAO Z"},
      {"fiscal-memory reading", 11, {"15"}, DetailKind::kMemoryReading, 11, 0, false, 0,
       "LEITURA MEMORIA FISCAL"},
  };
  std::vector<Lines> printed;
  for (const Step& step : steps) printed.push_back(Run(step));

  const DetailMemory detail = printer->State().detail;
  ASSERT_EQ(detail.size(), std::size(steps));
  EXPECT_EQ(printer->State().detailTapeStart, -1);
  for (size_t k = 0; k < detail.size(); ++k) {
    const Step& step = steps[k];
    const DetailDocument& d = detail[k];
    SCOPED_TRACE(step.what);
    EXPECT_EQ(d.kind, step.kind);
    EXPECT_EQ(d.coo, step.coo);
    EXPECT_EQ(d.counter, step.counter);
    EXPECT_EQ(d.cancelled, step.cancelled);
    EXPECT_EQ(d.cancelledCoo, step.cancelledCoo);
    EXPECT_EQ(d.issued, At(step.minute));  // when it started, not when it ended
    EXPECT_EQ(d.lines, printed[k]);
    ASSERT_GE(d.lines.size(), 5u);
    EXPECT_EQ(d.lines.front(), AnsiString(48, '='));
    EXPECT_EQ(d.lines.back(), AnsiString(48, '='));
    // The title is the line before the rule that ends the header.
    size_t title = 1;
    while (title + 1 < d.lines.size() && d.lines[title + 1] != AnsiString(48, '-')) ++title;
    EXPECT_EQ(Trim(d.lines[title]), step.title);
  }
  // Nothing but these documents was printed.
  size_t lines = 0;
  for (const Lines& p : printed) lines += p.size();
  EXPECT_EQ(printer->State().tape.size(), lines);

  // What the sales and receipts registered, as at their end.
  const Coupon& sale = detail[0].coupon;
  EXPECT_EQ(sale.coo, 1);
  EXPECT_EQ(sale.consumer, consumer);
  ASSERT_EQ(sale.items.size(), 2u);
  EXPECT_EQ(sale.items[0].description, "?KGCAFE");
  EXPECT_EQ(sale.items[0].amount, 700);
  EXPECT_EQ(sale.items[0].discount, 50);
  EXPECT_EQ(sale.items[1].taxCode, "T02");
  EXPECT_EQ(sale.subtotalDiscount, 150);
  EXPECT_EQ(sale.payments, (std::vector<Payment>{{2, 1000}, {1, 1000}}));
  EXPECT_EQ(detail[1].receipt.linkedMethod, 2);
  ASSERT_EQ(detail[2].coupon.items.size(), 1u);  // what the cancelled coupon held
  EXPECT_EQ(detail[2].coupon.items[0].amount, 250);
  EXPECT_EQ(detail[3].coupon.payments, (std::vector<Payment>{{1, 1000}}));
  EXPECT_EQ(detail[4].coupon, Coupon{});
  EXPECT_EQ(detail[5].receipt.entries, (std::vector<ReceiptEntry>{{1, 2500}}));
  EXPECT_EQ(detail[5].receipt.payments, (std::vector<Payment>{{1, 3000}}));  // as tendered
  // The reversal keeps what it took back: the payments net of change.
  EXPECT_EQ(detail[6].receipt.entries, (std::vector<ReceiptEntry>{{1, 2500}}));
  EXPECT_EQ(detail[6].receipt.payments, (std::vector<Payment>{{1, 2500}}));
  for (size_t k = 7; k < detail.size(); ++k) {
    EXPECT_EQ(detail[k].coupon, Coupon{}) << k;
    EXPECT_EQ(detail[k].receipt, Receipt{}) << k;
  }
}

TEST_F(DetailMemoryTest, OpenDocumentHasItsRecordAndTakesItsLinesAtItsEnd) {
  ASSERT_EQ(Send("13S"), ".+0000");
  ASSERT_EQ(Send("080HALF WAY"), ".+0000");
  PrinterState state = printer->State();
  ASSERT_EQ(state.detail.size(), 1u);
  EXPECT_EQ(state.detail[0].kind, DetailKind::kManagementReport);
  EXPECT_TRUE(state.detail[0].lines.empty());
  EXPECT_EQ(state.detailTapeStart, 0);

  ASSERT_EQ(Send("12"), ".+0000");
  state = printer->State();
  EXPECT_EQ(state.detail[0].lines, state.tape);
  EXPECT_EQ(state.detailTapeStart, -1);
}

// Refused commands change nothing, and commands that print outside a
// document (a cheque, a paper cut) add no record.
TEST_F(DetailMemoryTest, OnlyDocumentsMakeRecords) {
  const struct {
    const char* what;
    Frames frames;
  } cases[] = {
      {"refused coupon item", {ItemFrame("1", 1000, 1000, 1000, "ITEM")}},
      {"close with nothing open", {"12"}},
      {"paper cut", {"621"}},
      {"cheque", {"46S341", "44DATA", "25"}},
      {"cancel with no coupon", {"05"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const AnsiString& frame : c.frames) Send(frame);
    EXPECT_TRUE(printer->State().detail.empty());
  }
}

// A coupon whose record was lost (opened with SetState) still closes; a
// record that SetState left open under another document ends when the next
// document starts.
TEST_F(DetailMemoryTest, DocumentsWithoutTheirRecordStillWork) {
  Hold(DocumentKind::kFiscalCoupon);
  ASSERT_EQ(Send(ItemFrame("1", 1000, 1000, 1000, "ITEM")), ".+0000");
  ASSERT_EQ(Send(PaymentFrame(1, 1000)), ".+0000");
  ASSERT_EQ(Send("12N"), ".+0000");
  EXPECT_TRUE(printer->State().detail.empty());

  ASSERT_EQ(Send("13S"), ".+0000");
  const size_t reportEnd = printer->State().tape.size();
  Hold(DocumentKind::kNone);  // the report left open, forgotten
  ASSERT_EQ(Send("13N"), ".+0000");
  const PrinterState state = printer->State();
  ASSERT_EQ(state.detail.size(), 2u);
  EXPECT_EQ(state.detail[0].lines.size(), 5u);  // the report's header, up to the X reading
  EXPECT_EQ(state.detail[0].lines.back(), state.tape[reportEnd - 1]);
  EXPECT_EQ(state.detail[1].kind, DetailKind::kXReading);
  EXPECT_EQ(state.detail[1].lines.front(), state.tape[reportEnd]);
}

}  // namespace
}  // namespace mdx::emulator::test
