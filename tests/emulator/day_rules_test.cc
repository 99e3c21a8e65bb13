// The fiscal day's rules: a Z pending once the date passes an open day, the
// day closed by its Z until the date passes it, the fiscal memory and the
// clock only moving forward, no close with nothing open, and change handed
// back from the cash.
#include <gtest/gtest.h>

#include "printer_fixture.h"
#include "sale_frames.h"
#include "mdx00200/exceptions.h"

namespace mdx::emulator::test {
namespace {

using DayRulesTest = PrinterTest;

const char kOpenLeft[] = ".-E010ERRO-OPERACAO NAO ENCERRADA}";
const AnsiString kReceipt = "19      ";

TDateTime At(int day, int hour, int minute = 0) {
  return EncodeDate(2026, 12, day) + EncodeTime(hour, minute, 0, 0);
}

// The printer's states of a fiscal day, each reached with frames and the
// system clock as a till's day reaches it.
enum class Day {
  kFresh,          // no document ever
  kOpen,           // a sale on 06/12, still 06/12
  kPending,        // a sale on 06/12, now 07/12: a Z is pending
  kClosed,         // the Z of 06/12 made, still 06/12
  kClosedNextDay,  // the Z of 06/12 made, now 07/12
};

const char* Name(Day day) {
  switch (day) {
    case Day::kFresh: return "fresh";
    case Day::kOpen: return "open";
    case Day::kPending: return "pending";
    case Day::kClosed: return "closed";
    case Day::kClosedNextDay: return "closed, next day";
  }
  return "?";
}

class DayStates : public PrinterTest {
 protected:
  void Reach(Day day) {
    printer = CreateVirtualPrinter(Options());
    systemNow = At(6, 14, 5);
    if (day == Day::kFresh) return;
    OpenPaidCoupon();
    ASSERT_EQ(Send("12N"), ".+0000");
    if (day == Day::kClosed || day == Day::kClosedNextDay) {
      ASSERT_EQ(Send("14N061226"), ".+0000");
    }
    if (day == Day::kPending || day == Day::kClosedNextDay) systemNow = At(7, 8, 30);
    ASSERT_EQ(Send("23"), ".+0000");  // the printer sees the date
  }
};

TEST_F(DayStates, EachCommandIsTakenOnlyInTheDaysAPrinterTakesIt) {
  struct Case {
    Day day;
    AnsiString frame;
    AnsiString reply;
  };
  const Case cases[] = {
      // A Z pending: nothing that needs a day starts; the Z and readings do.
      {Day::kPending, "17", ".-E009"},
      {Day::kPending, kReceipt, ".-E009"},
      {Day::kPending, "13S", ".-E009"},
      {Day::kPending, "13N", ".-E009"},
      {Day::kPending, "05", ".-E009"},  // the cancellation document of the last coupon
      {Day::kPending, "15", ".+0000"},
      {Day::kPending, "16", ".+0000"},
      {Day::kPending, "14N071226", ".+0000"},
      {Day::kPending, "14N051226", ".-E012"},  // before the day it closes
      {Day::kPending, "62" "1", ".+0000"},
      {Day::kPending, "21", ".+0000"},
      // The day closed by its Z, on the same date.
      {Day::kClosed, "17", ".-E011"},
      {Day::kClosed, kReceipt, ".-E011"},
      {Day::kClosed, "13S", ".-E011"},
      {Day::kClosed, "13N", ".-E011"},
      {Day::kClosed, "14N061226", ".-E011"},
      {Day::kClosed, "14N071226", ".-E011"},  // the till's date ahead changes nothing
      {Day::kClosed, "14N051226", ".-E012"},
      {Day::kClosed, "15", ".+0000"},
      {Day::kClosed, "16", ".+0000"},
      {Day::kClosed, "05", ".-E004"},  // the Z ended the last coupon's chance
      {Day::kClosed, "53", ".-E004"},
      // The date passed the closed day: a new day starts.
      {Day::kClosedNextDay, "17", ".+0000"},
      {Day::kClosedNextDay, kReceipt, ".+0000"},
      {Day::kClosedNextDay, "13S", ".+0000"},
      {Day::kClosedNextDay, "13N", ".+0000"},
      {Day::kClosedNextDay, "14N071226", ".+0000"},  // a day without sales records zeros
      {Day::kClosedNextDay, "14N051226", ".-E012"},
      // A close needs something open.
      {Day::kFresh, "12", ".-E004"},
      {Day::kFresh, "12N", ".-E004"},
      {Day::kOpen, "12", ".-E004"},
      {Day::kOpen, "13N", ".+0000"},
      {Day::kOpen, "14N051226", ".-E012"},  // before the open day
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Name(c.day)) + " " + c.frame);
    Reach(c.day);
    const PrinterState before = printer->State();
    EXPECT_EQ(Send(c.frame), c.reply);
    if (c.reply != ".+0000") {
      EXPECT_EQ(printer->State(), before);
    }
  }
}

TEST_F(DayStates, AZIsPendingOnceTheDatePassesTheOpenDayAndStaysUntilTheZ) {
  Reach(Day::kOpen);
  EXPECT_EQ(Field(Send("28"), 21, 2), "NS");
  systemNow = At(7, 0, 0);
  EXPECT_EQ(Field(Send("28"), 21, 2), "SS");
  EXPECT_TRUE(printer->State().zPending);
  // Set back within the old day (after its last document): still pending.
  printer->SetClock(At(6, 23, 0));
  EXPECT_EQ(Send("17"), ".-E009");

  systemNow = At(7, 9, 0);
  printer->SetClock(At(7, 9, 0));
  EXPECT_EQ(Send("14N071226"), ".+0000");
  const PrinterState afterZ = printer->State();
  EXPECT_FALSE(afterZ.zPending);
  EXPECT_FALSE(afterZ.dayOpen);
  // The missed day's sale is in the memory under the day it was made.
  ASSERT_EQ(afterZ.fiscalMemory.size(), 1u);
  EXPECT_EQ(afterZ.fiscalMemory.back().date, EncodeDate(2026, 12, 6));
  EXPECT_EQ(afterZ.fiscalMemory.back().grossSales, 1000);
  EXPECT_EQ(afterZ.closedDay, EncodeDate(2026, 12, 6));

  // The same morning sells, and that evening's Z closes the new day.
  OpenPaidCoupon();
  EXPECT_EQ(Send("12N"), ".+0000");
  EXPECT_EQ(printer->State().movementDate, EncodeDate(2026, 12, 7));
  systemNow = At(7, 22, 0);
  EXPECT_EQ(Send("14N071226"), ".+0000");
  EXPECT_EQ(printer->State().fiscalMemory.back().date, EncodeDate(2026, 12, 7));
  EXPECT_EQ(Send("17"), ".-E011");
}

TEST_F(DayStates, ADocumentOpenAtMidnightEndsNormally) {
  Reach(Day::kFresh);
  systemNow = At(6, 23, 59);
  OpenPaidCoupon();
  systemNow = At(7, 0, 1);
  EXPECT_EQ(Send("12N"), ".+0000");
  EXPECT_TRUE(printer->State().zPending);
  EXPECT_EQ(printer->State().fiscalMemory.size(), 0u);
  EXPECT_EQ(Send("13S"), ".-E009");
}

TEST_F(DayStates, ReadingsOfTheFiscalMemoryOpenNoDay) {
  Reach(Day::kClosed);
  EXPECT_EQ(Send("15"), ".+0000");
  EXPECT_FALSE(printer->State().dayOpen);
  EXPECT_EQ(printer->State().movementDate, 0);
  EXPECT_EQ(Send("17"), ".-E011");
}

TEST_F(DayRulesTest, TheClockIsNeverSetBeforeTheLastDocument) {
  EXPECT_EQ(Send("13S"), ".+0000");
  EXPECT_EQ(Send("12"), ".+0000");
  const PrinterState before = printer->State();
  EXPECT_EQ(DateTimeToMilliseconds(before.lastDocumentTime),
            DateTimeToMilliseconds(At(6, 14, 5) + EncodeTime(0, 0, 30, 0)));
  EXPECT_THROW(printer->SetClock(At(6, 14, 0)), Exception);
  EXPECT_EQ(printer->State(), before);
  printer->SetClock(At(6, 14, 6));
  EXPECT_EQ(DateTimeToMilliseconds(printer->ClockNow()), DateTimeToMilliseconds(At(6, 14, 6)));

  // Summer time off takes the clock an hour back: not past the last document.
  Edit([](PrinterState& s) { s.summerTime = true; });
  EXPECT_EQ(Send("36N"), ".-E012");
  systemNow += EncodeTime(1, 0, 0, 0);
  Hold(DocumentKind::kManagementReport);
  EXPECT_EQ(Send("36N"), ".-E004");  // never in the middle of a document
  Hold(DocumentKind::kNone);
  EXPECT_EQ(Send("36N"), ".+0000");
  EXPECT_FALSE(printer->State().summerTime);
}

// A coupon of 55,00 (or a supply of 55,00) paid by `payments`; the card is
// method 2.
struct PaymentCase {
  const char* name;
  std::vector<std::pair<int, int64_t>> payments;
  AnsiString lastReply;
  int64_t cash, card;  // the day's totals after the close
};

const PaymentCase kPaymentCases[] = {
    {"card then cash", {{2, 1000}, {1, 5000}}, ".+0000", 4500, 1000},
    {"cash then card", {{1, 5000}, {2, 1000}}, ".+0000", 4500, 1000},
    {"all the change in cash", {{1, 500}, {2, 5500}}, ".+0000", 0, 5500},
    {"change from a card", {{2, 6000}}, ".-E006", 0, 0},
    {"more change than cash", {{1, 500}, {2, 6000}}, ".-E006", 0, 0},
};

TEST_F(DayRulesTest, ChangeComesOffTheCashAndNeverFromACard) {
  for (bool receipt : {false, true}) {
    for (const PaymentCase& c : kPaymentCases) {
      SCOPED_TRACE(std::string(receipt ? "receipt: " : "coupon: ") + c.name);
      printer = CreateVirtualPrinter(Options());
      ASSERT_EQ(Send("39SCartao         "), ".+0000");
      ASSERT_EQ(Send("38N+Suprimento    "), ".+0000");
      if (receipt) {
        ASSERT_EQ(Send(kReceipt), ".+0000");
        ASSERT_EQ(Send(ReceiptAmountFrame(1, 5500)), ".+0000");
      } else {
        ASSERT_EQ(Send("17"), ".+0000");
        ASSERT_EQ(Send(ItemFrame("1", 1000, 5500, 5500, "ITEM")), ".+0000");
      }
      AnsiString reply;
      for (const auto& [method, cents] : c.payments) reply = Send(PaymentFrame(method, cents));
      EXPECT_EQ(reply, c.lastReply);
      if (reply != ".+0000") continue;
      ASSERT_EQ(Send(receipt ? "12" : "12N"), ".+0000");
      const DayTotals day = printer->State().day;
      EXPECT_EQ(day.payments[0].amount, c.cash);
      EXPECT_EQ(day.payments[1].amount, c.card);
    }
  }
}

}  // namespace
}  // namespace mdx::emulator::test
